#include "album/AlbumPage.h"
#include "album/PageLayout.h"
#include "album/PrinterSurface.h"
#include "platform/Printers.h"

#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using namespace quenbrook;

namespace {

constexpr int RasterDpi = 50;

struct Sample
{
    QString name;
    QSize pixels;
    QColor colour;
};

// How much of a raster pixel the picture covers, judged by how far it is from white towards the
// picture's colour.
double coverage(QRgb pixel, const QColor& colour)
{
    const double full = 765.0 - (colour.red() + colour.green() + colour.blue());
    const double seen = 765.0 - (qRed(pixel) + qGreen(pixel) + qBlue(pixel));
    return seen / full;
}

bool sameColour(QRgb pixel, const QColor& colour)
{
    return qAbs(qRed(pixel) - colour.red()) <= 24 && qAbs(qGreen(pixel) - colour.green()) <= 24 &&
           qAbs(qBlue(pixel) - colour.blue()) <= 24;
}

// First and one-past-last raster position, along a line, of the pixels at least half covered.
struct Span
{
    int begin = -1;
    int end = -1;
};

Span coveredSpan(const QImage& raster, const QColor& colour, int fixed, bool across, int from,
                 int to)
{
    Span span;
    for (int i = qMax(from, 0); i < to; ++i) {
        const QRgb pixel = across ? raster.pixel(i, fixed) : raster.pixel(fixed, i);
        if (coverage(pixel, colour) >= 0.5) {
            if (span.begin < 0)
                span.begin = i;
            span.end = i + 1;
        }
    }
    return span;
}

} // namespace

class tst_AlbumPdf : public QObject
{
    Q_OBJECT
private slots:
    void picturesWhereTheLayoutPutsThem();
};

void tst_AlbumPdf::picturesWhereTheLayoutPutsThem()
{
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (pdftoppm.isEmpty())
        QSKIP("pdftoppm (poppler-utils) is not installed");

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    // Proportions of the cell, tall, wide and square.
    const QList<Sample> samples = {
        {QStringLiteral("red.bmp"), QSize(300, 200), QColor(220, 0, 0)},
        {QStringLiteral("green.bmp"), QSize(200, 300), QColor(0, 150, 0)},
        {QStringLiteral("blue.bmp"), QSize(400, 100), QColor(0, 0, 230)},
        {QStringLiteral("black.bmp"), QSize(250, 250), QColor(0, 0, 0)},
    };
    QStringList list;
    for (const Sample& sample : samples) {
        QImage image(sample.pixels, QImage::Format_RGB32);
        image.fill(sample.colour);
        const QString path = dir.filePath(sample.name);
        QVERIFY(image.save(path));
        list << path;
    }

    PrinterSurface surface(SaveAsPdfPrinter.toString());
    const QString pdf = dir.filePath(QStringLiteral("album.pdf"));
    surface.setOutputFileName(pdf);
    surface.printer().setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                                QMarginsF(0.5, 0.75, 0.25, 0.5),
                                                QPageLayout::Inch));
    QVERIFY2(surface.error().isEmpty(), qPrintable(surface.error()));

    PrintSettings s;
    s.Scale = PrintUnit::Inch;
    s.Center = true;
    s.PictureMaxWidth = 3;
    s.PictureMaxHeight = 2;
    s.PictureSpacingX = 0.5f;
    s.PictureSpacingY = 0.5f;
    s.PrintLabel = LabelKind::None;
    s.HeaderStyle = BandStyle::None;
    s.FooterStyle = BandStyle::None;

    const LayoutResult computed = ComputePageLayout(s, int(list.size()), surface);
    QVERIFY(std::holds_alternative<PageLayout>(computed));
    const PageLayout& layout = std::get<PageLayout>(computed);
    QCOMPARE(layout.ColumnCount, 2);
    QCOMPARE(layout.PageCount, 1);

    const PageResult drawn = DrawAlbumPage(surface, s, layout, list, 1, PageView());
    QCOMPARE(drawn.outcome, PageOutcome::Drawn);
    surface.endDoc();
    QVERIFY2(surface.error().isEmpty(), qPrintable(surface.error()));
    QVERIFY(QFileInfo::exists(pdf));

    const QString stem = dir.filePath(QStringLiteral("page"));
    QCOMPARE(QProcess::execute(pdftoppm,
                               {QStringLiteral("-r"), QString::number(RasterDpi),
                                QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf, stem}),
             0);
    const QImage raster(stem + QStringLiteral(".png"));
    QVERIFY(!raster.isNull());
    QCOMPARE(raster.size(), QSize(425, 550));

    // Page positions are measured from the printable area's corner on the paper.
    const QPointF origin = surface.printer().pageLayout().paintRect(QPageLayout::Inch).topLeft();
    QCOMPARE(origin, QPointF(0.5, 0.75));

    for (int i = 0; i < samples.size(); ++i) {
        const Sample& sample = samples[i];
        const CellPlace cell = CellOrigin(layout, s, 1, i / 2 + 1, i % 2 + 1);
        const PictureFit fit = FitPicture(sample.pixels.width(), sample.pixels.height(), s);
        const double left = (origin.x() + cell.CellLeft + fit.OffsetX) * RasterDpi;
        const double top = (origin.y() + cell.CellTop + fit.OffsetY) * RasterDpi;
        const double right = left + fit.DrawWidth * RasterDpi;
        const double bottom = top + fit.DrawHeight * RasterDpi;
        const int midX = int((left + right) / 2);
        const int midY = int((top + bottom) / 2);

        const QRgb centre = raster.pixel(midX, midY);
        QVERIFY2(
            sameColour(centre, sample.colour),
            qPrintable(QStringLiteral("%1: centre is %2").arg(sample.name, QColor(centre).name())));

        // Search a little less than half a pitch either way, so the neighbours stay out.
        const int reachX = int((s.PictureMaxWidth + s.PictureSpacingX) * RasterDpi / 2) - 2;
        const int reachY = int((s.PictureMaxHeight + s.PictureSpacingY) * RasterDpi / 2) - 2;
        const Span across = coveredSpan(raster, sample.colour, midY, true, midX - reachX,
                                        qMin(midX + reachX, raster.width()));
        const Span down = coveredSpan(raster, sample.colour, midX, false, midY - reachY,
                                      qMin(midY + reachY, raster.height()));
        const QString where = QStringLiteral("%1: found %2..%3 x %4..%5, expected %6..%7 x %8..%9")
                                  .arg(sample.name)
                                  .arg(across.begin)
                                  .arg(across.end)
                                  .arg(down.begin)
                                  .arg(down.end)
                                  .arg(left)
                                  .arg(right)
                                  .arg(top)
                                  .arg(bottom);
        QVERIFY2(std::abs(across.begin - left) <= 1 && std::abs(across.end - right) <= 1,
                 qPrintable(where));
        QVERIFY2(std::abs(down.begin - top) <= 1 && std::abs(down.end - bottom) <= 1,
                 qPrintable(where));
    }
}

QTEST_MAIN(tst_AlbumPdf)
#include "tst_albumpdf.moc"
