#include "core/album/PreviewSurface.h"
#include "core/pictures/Picture.h"
#include "print/PrinterSurface.h"
#include "print/Printers.h"
#include "support/PdfReader.h"
#include "support/TestPrinters.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <cstring>

#include <sys/resource.h>

using namespace quenbrook;
using testsupport::PdfReader;

namespace {

const QString SaveAsPdf = SaveAsPdfPrinter.toString();
const QString Sample = QString::fromUtf16(LineSample);
const TextLook Black{PrintFont{"Sans", 12}, 0, true};

Picture solidPicture(QColor color)
{
    QImage image(64, 64, QImage::Format_RGB32);
    image.fill(color);
    return Picture::fromImage(image, QSize(1693, 1693));
}

// Every file in a folder, spool files too.
QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden);
}

// While it lives, no file of this process grows beyond the limit: a write past it fails as on a
// full disk. None when the limit is 0.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        if (bytes == 0 || ::getrlimit(RLIMIT_FSIZE, &before_) != 0)
            return;
        active_ = true;
        signal_ = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, before_.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        if (!active_)
            return;
        ::setrlimit(RLIMIT_FSIZE, &before_);
        std::signal(SIGXFSZ, signal_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    bool active_ = false;
    rlimit before_ = {};
    void (*signal_)(int) = SIG_DFL;
};

} // namespace

class tst_PrinterSurface : public QObject
{
    Q_OBJECT
private slots:
    void pdfPrinterMetrics()
    {
        PrinterSurface surface(SaveAsPdf);
        QCOMPARE(surface.printer().resolution(), SaveAsPdfResolution);
        surface.printer().setPageSize(QPageSize(QPageSize::Letter));
        const QRectF area = surface.printer().pageLayout().paintRect(QPageLayout::Inch);

        const float widthInches = surface.drawableWidth(PrintUnit::Inch);
        const float heightInches = surface.drawableHeight(PrintUnit::Inch);
        QVERIFY(qAbs(widthInches - area.width()) < 0.01 && widthInches < 8.5f);
        QVERIFY(qAbs(heightInches - area.height()) < 0.01 && heightInches < 11);
        QCOMPARE(surface.drawableWidth(PrintUnit::Centimetre), float(widthInches * 2.54));
        QCOMPARE(surface.drawableHeight(PrintUnit::Centimetre), float(heightInches * 2.54));
        // Device units are the printer's dots, and pictures are decoded for them.
        QCOMPARE(surface.dotsPerInch(), double(SaveAsPdfResolution));
        QCOMPARE(surface.pixelsPerInch(), double(SaveAsPdfResolution));
        const double textHeight = surface.textHeight(Black.font, Sample) / surface.dotsPerInch();
        QVERIFY2(textHeight > 0.15 && textHeight < 0.25, qPrintable(QString::number(textHeight)));
        PrintFont twice = Black.font;
        twice.Size = 24;
        QVERIFY(qAbs(surface.textHeight(twice, Sample) / surface.dotsPerInch() / textHeight - 2) <
                0.1);
        // The paper (612 x 792 points), not the printable area, whatever the unit.
        QCOMPARE(surface.paperWidthTwips(), 612.0f * 20);
        QCOMPARE(surface.paperHeightTwips(), 792.0f * 20);
    }

    void pdfDocuments()
    {
        QTemporaryDir dir;
        const QString fresh = dir.filePath("fresh.pdf");
        const QString old = dir.filePath("old.pdf");
        QFile file(old);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("the album of last year") > 0);
        file.close();
        PrinterSurface surface(SaveAsPdf);
        surface.printer().setPageSize(QPageSize(QPageSize::Letter)); // the unit is the inch
        // An abandoned document leaves no file, and an existing one as it was.
        for (const QString& target : {fresh, old}) {
            surface.setOutputFileName(target);
            surface.drawText("page 1", QPointF(), Black);
            surface.newPage();
            surface.killDoc();
        }
        QVERIFY(surface.textHeight(Black.font, Sample) > 0); // measuring starts no document
        QCOMPARE(filesIn(dir.path()), QStringList{"old.pdf"});
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("the album of last year"));

        // The next document starts afresh; its file is in place only at the end.
        surface.setOutputFileName(fresh);
        surface.drawPicture(solidPicture(Qt::red), QRectF(1200, 1200, 2400, 2400));
        surface.newPage();
        surface.drawText("second", QPointF(), Black);
        QVERIFY(!QFile::exists(fresh));
        surface.endDoc();
        QCOMPARE(PdfReader(fresh).pages(), 2);
        QCOMPARE(filesIn(dir.path()), (QStringList{"fresh.pdf", "old.pdf"}));
    }

    void printerThatCannotPrint_data()
    {
        QTest::addColumn<QStringList>("printerFileReason");
        QTest::addColumn<int>("fileSizeLimit"); // 0: none
        QTest::newRow("failing test printer")
            << QStringList{"Office", "a.pdf", "not responding"} << 0;
        QTest::newRow("PDF without a file name") << QStringList{SaveAsPdf, "", "file name"} << 0;
        QTest::newRow("PDF into a missing folder")
            << QStringList{SaveAsPdf, "no/a.pdf", "cannot be written"} << 0;
        // The page's font alone takes more.
        QTest::newRow("PDF on a full disk")
            << QStringList{SaveAsPdf, "a.pdf",
                           "a.pdf cannot be written: " +
                               QString::fromLocal8Bit(std::strerror(EFBIG))}
            << 2048;
        QTest::newRow("print queue on a full disk")
            << QStringList{"Office", "", "spool file in"} << 2048;
    }

    void printerThatCannotPrint()
    {
        QFETCH(QStringList, printerFileReason);
        QFETCH(int, fileSizeLimit);
        const auto& [printer, file, reason] =
            std::tuple(printerFileReason[0], printerFileReason[1], printerFileReason[2]);
        QTemporaryDir dir;
        // An older file where the folder is there.
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
            const FileSizeLimit limit{rlim_t(fileSizeLimit)};
            surface->drawText("text", QPointF(), Black);
            surface->newPage();
            surface->endDoc();
        }
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

    void previewSurface_data()
    {
        QTest::addColumn<int>("ratio"); // image pixels to a logical pixel
        QTest::newRow("one pixel to each") << 1;
        QTest::newRow("two pixels to each") << 2;
    }
    void previewSurface()
    {
        QFETCH(int, ratio);
        PreviewSurface surface(96, ratio);
        surface.resize(21.59f, 27.94f, 0.5f, PrintUnit::Centimetre);
        QCOMPARE(surface.size(), QSize(408, 528));
        QCOMPARE(surface.image().size(), QSize(408, 528) * ratio);
        QCOMPARE(surface.image().devicePixelRatio(), double(ratio));
        QCOMPARE(surface.pixelsPerInch(), 96.0 * ratio);
        surface.resize(8.5f, 11, 0.5f, PrintUnit::Inch);
        QCOMPARE(surface.size(), QSize(408, 528));
        QCOMPARE(surface.image().size(), QSize(408, 528) * ratio);
        QCOMPARE(surface.drawableWidth(PrintUnit::Inch), 4.25f);
        QCOMPARE(surface.paperHeightTwips(), 5.5f * 1440);

        // Blue, corners in any order; one logical pixel wide.
        surface.drawOutline(QPointF(192, 192), QPointF(96, 96), 0xFF0000);
        const QImage& image = surface.image();
        const auto at = [&](int x, int y) { return image.pixel(x * ratio, y * ratio); };
        for (int i = 96; i <= 192; i += 8)
            for (const QPoint edge : {QPoint(96, i), QPoint(192, i), QPoint(i, 96), QPoint(i, 192)})
                QCOMPARE(at(edge.x(), edge.y()), qRgb(0, 0, 255));
        for (const QPoint white : {QPoint(95, 150), QPoint(97, 150), QPoint(191, 150),
                                   QPoint(193, 150), QPoint(150, 150)})
            QCOMPARE(at(white.x(), white.y()), qRgb(255, 255, 255));
        int thickness = 0;
        for (int x = 90 * ratio; x < 100 * ratio; ++x)
            thickness += image.pixel(x, 150 * ratio) == qRgb(0, 0, 255);
        QCOMPARE(thickness, ratio);
        surface.clear();
        QImage white(image.size(), image.format());
        white.setDevicePixelRatio(ratio);
        white.fill(Qt::white);
        QCOMPARE(surface.image(), white);

        // Text is drawn below and right of its position, one line high; its size is the same in
        // logical pixels, drawn with all the image's pixels.
        TextLook look = Black;
        look.font.Size = 24;
        const double height = surface.textHeight(look.font, Sample) / 96;
        QCOMPARE(surface.drawText(Sample, QPointF(96, 96), look), height * 96);
        QRect ink;
        for (int y = 60 * ratio; y < 160 * ratio; ++y)
            for (int x = 60 * ratio; x < 300 * ratio; ++x)
                if (qGray(image.pixel(x, y)) < 128)
                    ink |= QRect(x, y, 1, 1);
        QVERIFY2(
            ink.left() >= 96 * ratio && ink.left() <= 100 * ratio && ink.top() >= 96 * ratio &&
                ink.bottom() <= (96 + height * 96) * ratio &&
                ink.height() > height * 96 * ratio / 2,
            qPrintable(QString("%1,%2 to %3").arg(ink.left()).arg(ink.top()).arg(ink.bottom())));
    }
};

QTEST_MAIN(tst_PrinterSurface)
#include "tst_printersurface.moc"
