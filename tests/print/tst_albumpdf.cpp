#include "core/album/AlbumPage.h"
#include "print/PrinterSurface.h"
#include "print/Printers.h"
#include "support/AlbumFixtures.h"
#include "support/PdfReader.h"

#include <QDebug>
#include <QPageLayout>
#include <QPolygon>
#include <QPrinter>
#include <QTest>

using namespace albumtest;
using testsupport::PdfReader;

namespace {

constexpr int Dpi = 50;

// The box of the pixels at least half as far from white as the colour, on the two raster lines
// through centre and at most reach from it.
QRectF darkBox(const QImage& raster, QColor colour, QPoint centre, QSize reach)
{
    const int full = 765 - (colour.red() + colour.green() + colour.blue());
    QPolygon dark;
    const auto look = [&](QPoint p) {
        const QRgb px = raster.pixel(p);
        if (2 * (765 - qRed(px) - qGreen(px) - qBlue(px)) >= full)
            dark << p;
    };
    for (int d = -reach.width(); d <= reach.width(); ++d)
        look(centre + QPoint(d, 0));
    for (int d = -reach.height(); d <= reach.height(); ++d)
        look(centre + QPoint(0, d));
    return QRectF(dark.boundingRect());
}

} // namespace

class tst_AlbumPdf : public QObject
{
    Q_OBJECT
private slots:
    void picturesWhereTheLayoutPutsThem()
    {
        if (const QString missing = PdfReader::unavailable(); !missing.isEmpty())
            QSKIP(qPrintable(missing));

        // Of the cell's proportions, tall, wide and square.
        const QList<QPair<QSize, QColor>> samples = {{QSize(300, 200), QColor(220, 0, 0)},
                                                     {QSize(200, 300), QColor(0, 150, 0)},
                                                     {QSize(400, 100), QColor(0, 0, 230)},
                                                     {QSize(250, 250), QColor(0, 0, 0)}};
        QTemporaryDir dir;
        QStringList list;
        for (const auto& [pixels, colour] : samples)
            list << solidPicture(dir, QStringLiteral("%1.bmp").arg(list.size()), pixels, colour);
        QVERIFY(!list.contains(QString()));

        PrinterSurface surface(SaveAsPdfPrinter.toString());
        const QString pdf = dir.filePath(QStringLiteral("album.pdf"));
        surface.setOutputFileName(pdf);
        surface.printer().setPageLayout(
            QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                        QMarginsF(0.5, 0.75, 0.25, 0.5), QPageLayout::Inch));
        const PrintSettings s = gridSettings();
        const LayoutResult computed = ComputePageLayout(s, 4, surface);
        const auto* layout = std::get_if<PageLayout>(&computed);
        QVERIFY(layout);
        QCOMPARE(QSizeF(layout->PrintableWidth, layout->PrintableHeight), QSizeF(7.75, 9.75));
        QCOMPARE(DrawAlbumPage(surface, s, *layout, list, 1, PageView()).outcome,
                 PageOutcome::Drawn);
        surface.endDoc();
        QVERIFY2(surface.error().isEmpty(), qPrintable(surface.error()));

        const QImage raster = PdfReader(pdf).page(1, Dpi);
        QCOMPARE(raster.size(), QSize(425, 550));

        // Page positions count from the corner of the printable area on the paper.
        const QPointF origin =
            surface.printer().pageLayout().paintRect(QPageLayout::Inch).topLeft();
        for (int i = 0; i < samples.size(); ++i) {
            const auto& [pixels, colour] = samples[i];
            const CellPlace cell = CellOrigin(*layout, s, 1, i / 2 + 1, i % 2 + 1);
            const PictureFit fit = FitPicture(pixels.width(), pixels.height(), s);
            const QRectF want(
                (origin + QPointF(cell.CellLeft + fit.OffsetX, cell.CellTop + fit.OffsetY)) * Dpi,
                QSizeF(fit.DrawWidth, fit.DrawHeight) * Dpi);
            // Look a little less than half a pitch either way, so the neighbours stay out.
            const QSize reach(int((s.PictureMaxWidth + s.PictureSpacingX) * Dpi / 2) - 2,
                              int((s.PictureMaxHeight + s.PictureSpacingY) * Dpi / 2) - 2);
            const QPoint centre = want.center().toPoint();
            const QRectF found = darkBox(raster, colour, centre, reach);
            const QColor seen = raster.pixelColor(centre);
            QString where;
            QDebug(&where) << "picture" << i << "found" << found << "expected" << want << seen;
            const int colourOff = testsupport::colourDistance(seen, colour);
            // Every edge within a pixel of where the layout puts it.
            QVERIFY2(colourOff <= 48 && found.adjusted(-1, -1, 1, 1).contains(want) &&
                         want.adjusted(-1, -1, 1, 1).contains(found),
                     qPrintable(where));
        }
    }
};

QTEST_MAIN(tst_AlbumPdf)
#include "tst_albumpdf.moc"
