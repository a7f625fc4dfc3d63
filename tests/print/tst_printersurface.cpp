#include "core/album/AlbumPage.h"
#include "core/album/PreviewSurface.h"
#include "core/pictures/Picture.h"
#include "print/PrinterSurface.h"
#include "print/Printers.h"
#include "support/AlbumFixtures.h"
#include "support/PdfReader.h"
#include "support/TestMain.h"
#include "support/TestPrinters.h"

#include <QDir>
#include <QPrinter>
#include <QScopeGuard>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <cstring>

#include <sys/resource.h>

using namespace albumtest;
using testsupport::PdfReader;

namespace {

const QString SaveAsPdf = SaveAsPdfPrinter.toString();
const QString Sample = QString::fromUtf16(LineSample);
const TextLook Black{PrintFont{"Sans", 12}, 0, true};

// Every file in a folder, spool files too.
QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden);
}

} // namespace

class tst_PrinterSurface : public QObject
{
    Q_OBJECT
private slots:
    // Device units are the printer's dots, pictures are decoded for them; text is measured in
    // them; the drawable area is the printable one, in either unit; the paper is the paper.
    void pdfPrinterMetrics()
    {
        PrinterSurface surface(SaveAsPdf);
        surface.printer().setPageLayout(QPageLayout(QPageSize(QPageSize::Letter),
                                                    QPageLayout::Portrait,
                                                    QMarginsF(0.5, 1, 0.25, 2), QPageLayout::Inch));
        QCOMPARE(surface.dotsPerInch(), double(SaveAsPdfResolution));
        QCOMPARE(surface.pixelsPerInch(), double(SaveAsPdfResolution));
        QCOMPARE(surface.drawableWidth(PrintUnit::Inch), 7.75f);
        QCOMPARE(surface.drawableHeight(PrintUnit::Centimetre), float(8 * 2.54));
        const double line = surface.textHeight(Black.font, Sample) / SaveAsPdfResolution;
        QVERIFY2(line > 0.15 && line < 0.25, qPrintable(QString::number(line)));
        QVERIFY(qAbs(surface.textHeight({"Sans", 24}, Sample) / SaveAsPdfResolution / line - 2) <
                0.1);
        QCOMPARE(surface.paperWidthTwips(), 612.0f * 20);
        QCOMPARE(surface.paperHeightTwips(), 792.0f * 20);
    }

    // An abandoned document leaves no file, and an existing one as it was; the next document
    // starts afresh, and its file is in place only at the end.
    void pdfDocuments()
    {
        QTemporaryDir dir;
        const QString fresh = dir.filePath("fresh.pdf");
        QFile old(dir.filePath("old.pdf"));
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("the album of last year") > 0);
        old.close();
        PrinterSurface surface(SaveAsPdf);
        for (const QString& target : {fresh, old.fileName()}) {
            surface.setOutputFileName(target);
            surface.drawText("page 1", QPointF(), Black);
            surface.newPage();
            surface.killDoc();
        }
        QVERIFY(surface.textHeight(Black.font, Sample) > 0); // measuring starts no document
        QCOMPARE(filesIn(dir.path()), QStringList{"old.pdf"});
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("the album of last year"));

        surface.setOutputFileName(fresh);
        surface.drawPicture(Picture::fromImage(QImage(64, 64, QImage::Format_RGB32), QSize(9, 9)),
                            QRectF(1200, 1200, 2400, 2400));
        surface.newPage();
        surface.drawText("second", QPointF(), Black);
        QVERIFY(!QFile::exists(fresh));
        surface.endDoc();
        QCOMPARE(PdfReader(fresh).pages(), 2);
        QCOMPARE(filesIn(dir.path()), (QStringList{"fresh.pdf", "old.pdf"}));
    }

    void printerThatCannotPrint_data()
    {
        QTest::addColumn<QString>("printer");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<int>("fileSizeLimit"); // 0: none
        QTest::newRow("failing test printer") << "Office"
                                              << "a.pdf"
                                              << "not responding" << 0;
        QTest::newRow("PDF without a file name") << SaveAsPdf << ""
                                                 << "file name" << 0;
        QTest::newRow("PDF into a missing folder") << SaveAsPdf << "no/a.pdf"
                                                   << "cannot be written" << 0;
        // The page's font alone takes more.
        QTest::newRow("PDF on a full disk")
            << SaveAsPdf << "a.pdf"
            << "a.pdf cannot be written: " + QString::fromLocal8Bit(std::strerror(EFBIG)) << 2048;
        QTest::newRow("print queue on a full disk") << "Office"
                                                    << ""
                                                    << "spool file in" << 2048;
    }

    // Nothing is left behind, and an older file stays as it was.
    void printerThatCannotPrint()
    {
        QFETCH(QString, printer);
        QFETCH(QString, file);
        QFETCH(int, fileSizeLimit);
        QTemporaryDir dir;
        QFile older(dir.filePath(file));
        const bool hasOlder = !file.isEmpty() && QFileInfo(older).dir().exists();
        if (hasOlder)
            QVERIFY(older.open(QIODevice::WriteOnly) && older.write("last year's") > 0);
        older.close();
        const QStringList before = filesIn(dir.path());
        TestPrinters printers({"Office"});
        printers.setFailing(fileSizeLimit == 0);
        const std::unique_ptr<PrinterSurface> surface =
            printer == SaveAsPdf ? std::make_unique<PrinterSurface>(printer)
                                 : printers.open(printer);
        if (!file.isEmpty())
            surface->setOutputFileName(dir.filePath(file));
        {
            // Writes past the limit fail as on a full disk.
            rlimit unlimited = {};
            QVERIFY(::getrlimit(RLIMIT_FSIZE, &unlimited) == 0);
            const rlimit limit{fileSizeLimit ? rlim_t(fileSizeLimit) : unlimited.rlim_cur,
                               unlimited.rlim_max};
            std::signal(SIGXFSZ, SIG_IGN);
            ::setrlimit(RLIMIT_FSIZE, &limit);
            const auto restore = qScopeGuard([&] { ::setrlimit(RLIMIT_FSIZE, &unlimited); });
            surface->drawText("text", QPointF(), Black);
            surface->newPage();
            surface->endDoc();
        }
        QFETCH(QString, reason);
        QVERIFY2(surface->error().contains(reason), qPrintable(surface->error()));
        QCOMPARE(filesIn(dir.path()), before);
        if (hasOlder) {
            QVERIFY(older.open(QIODevice::ReadOnly));
            QCOMPARE(older.readAll(), QByteArray("last year's"));
        }
    }

    void printerLists()
    {
        const SystemPrinters printers;
        QCOMPARE(printers.names().last(), SaveAsPdf);
        QVERIFY(printers.names().contains(printers.defaultName()));
    }

    // Pictures of the cell's proportions, tall, wide and square, on Letter with margins of
    // their own: every edge within a pixel of where the layout puts it.
    void picturesWhereTheLayoutPutsThem()
    {
        if (const QString missing = PdfReader::unavailable(); !missing.isEmpty())
            QSKIP(qPrintable(missing));
        const QList<QPair<QSize, QColor>> samples = {{QSize(300, 200), QColor(220, 0, 0)},
                                                     {QSize(200, 300), QColor(0, 150, 0)},
                                                     {QSize(400, 100), QColor(0, 0, 230)},
                                                     {QSize(250, 250), QColor(0, 0, 0)}};
        QTemporaryDir dir;
        QStringList list;
        for (const auto& [pixels, colour] : samples)
            list << solidPicture(dir, QStringLiteral("%1.bmp").arg(list.size()), pixels, colour);
        PrinterSurface surface(SaveAsPdf);
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

        constexpr int Dpi = 50;
        const QImage raster = PdfReader(pdf).page(1, Dpi);
        QCOMPARE(raster.size(), QSize(425, 550));
        for (int i = 0; i < samples.size(); ++i) {
            const auto& [pixels, colour] = samples[i];
            const CellPlace cell = CellOrigin(*layout, s, 1, i / 2 + 1, i % 2 + 1);
            const PictureFit fit = FitPicture(pixels.width(), pixels.height(), s);
            // Page positions count from the printable area's corner, half an inch and 3/4 in.
            const QRectF want(
                QPointF(0.5 + cell.CellLeft + fit.OffsetX, 0.75 + cell.CellTop + fit.OffsetY) * Dpi,
                QSizeF(fit.DrawWidth, fit.DrawHeight) * Dpi);
            // The pixels at least half as dark as the colour, on the raster lines through the
            // centre, less than half a pitch either way so the neighbours stay out.
            const QPoint centre = want.center().toPoint();
            QRect found;
            const auto look = [&](QPoint p) {
                if (testsupport::colourDistance(raster.pixelColor(p), Qt::white) * 2 >=
                    testsupport::colourDistance(colour, Qt::white))
                    found |= QRect(p, QSize(1, 1));
            };
            for (int d = -78; d <= 78; ++d)
                look(centre + QPoint(d, 0));
            for (int d = -53; d <= 53; ++d)
                look(centre + QPoint(0, d));
            const QString where = QStringLiteral("picture %1 found %2,%3 %4x%5")
                                      .arg(i)
                                      .arg(found.x())
                                      .arg(found.y())
                                      .arg(found.width())
                                      .arg(found.height());
            QVERIFY2(testsupport::colourDistance(raster.pixelColor(centre), colour) <= 48 &&
                         QRectF(found).adjusted(-1, -1, 1, 1).contains(want) &&
                         want.adjusted(-1, -1, 1, 1).contains(QRectF(found)),
                     qPrintable(where));
        }
    }

    // Text on the preview is drawn below and right of its position, one line high, the same size
    // in logical pixels with two image pixels to each, drawn with all of them.
    void previewText()
    {
        for (const int ratio : {1, 2}) {
            PreviewSurface surface(96, ratio);
            surface.resize(21.59f, 27.94f, 0.5f, PrintUnit::Centimetre);
            QCOMPARE(surface.image().size(), QSize(408, 528) * ratio);
            QCOMPARE(surface.drawableWidth(PrintUnit::Inch), 4.25f);
            QCOMPARE(surface.paperHeightTwips(), 5.5f * 1440);
            const TextLook look{PrintFont{"Sans", 24}, 0, true};
            const double height = surface.textHeight(look.font, Sample);
            QCOMPARE(surface.drawText(Sample, QPointF(96, 96), look), height);
            QRect ink;
            for (int y = 0; y < 528 * ratio; ++y)
                for (int x = 0; x < 408 * ratio; ++x)
                    if (qGray(surface.image().pixel(x, y)) < 128)
                        ink |= QRect(x, y, 1, 1);
            QVERIFY2(ink.left() >= 96 * ratio && ink.left() <= 100 * ratio &&
                         ink.top() >= 96 * ratio && ink.bottom() <= (96 + height) * ratio &&
                         ink.height() > height * ratio / 2,
                     qPrintable(QStringLiteral("%1,%2 to %3 at %4")
                                    .arg(ink.left())
                                    .arg(ink.top())
                                    .arg(ink.bottom())
                                    .arg(ratio)));
        }
    }
};

QUENBROOK_TEST(tst_PrinterSurface)
#include "tst_printersurface.moc"
