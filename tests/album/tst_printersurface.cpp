#include "album/PreviewSurface.h"
#include "album/PrinterSurface.h"
#include "platform/Picture.h"
#include "platform/Printers.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace quenbrook;

namespace {

// Colours as stored: red in the lowest byte.
constexpr PrintColor Blue = 0xFF0000;

Picture solidPicture(QColor color)
{
    QImage image(64, 64, QImage::Format_RGB32);
    image.fill(color);
    return Picture::fromImage(image, QSize(1693, 1693));
}

QImage rasterise(const QString& pdf, const QString& folder)
{
    const QString stem = QDir(folder).filePath("page");
    QProcess::execute("pdftoppm",
                      {"-r", "72", "-png", "-f", "1", "-l", "1", "-singlefile", pdf, stem});
    return QImage(stem + ".png");
}

int pdfPages(const QString& pdf)
{
    QProcess info;
    info.start("pdfinfo", {pdf});
    info.waitForFinished();
    const auto match = QRegularExpression("Pages:\\s+(\\d+)").match(info.readAllStandardOutput());
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// Spool files left in a folder.
QStringList leftovers(const QString& folder)
{
    return QDir(folder).entryList({"*.part"}, QDir::Files | QDir::Hidden);
}

bool isRed(QRgb pixel)
{
    return qRed(pixel) > 200 && qGreen(pixel) < 60 && qBlue(pixel) < 60;
}

bool isWhite(QRgb pixel)
{
    return qRed(pixel) > 240 && qGreen(pixel) > 240 && qBlue(pixel) > 240;
}

} // namespace

class tst_PrinterSurface : public QObject
{
    Q_OBJECT
private slots:
    void pdfPrinterMetrics_data();
    void pdfPrinterMetrics();
    void textMeasures();
    void fontAttributesOneByOne();
    void pictureLandsOnItsPlace();
    void newPageMakesASecondPage();
    void killDocLeavesNothingAndKeepsTheOldFile();
    void printerThatCannotPrint_data();
    void printerThatCannotPrint();
    void testPrinters();
    void systemPrinters();
    void previewSize_data();
    void previewSize();
    void previewOutlineAndClear();
    void previewTextStartsAtItsPosition_data();
    void previewTextStartsAtItsPosition();
    void previewRejectsAbsurdSizes();
};

void tst_PrinterSurface::pdfPrinterMetrics_data()
{
    QTest::addColumn<QPageSize::PageSizeId>("paper");
    QTest::newRow("Letter") << QPageSize::Letter;
    QTest::newRow("A4") << QPageSize::A4;
}

void tst_PrinterSurface::pdfPrinterMetrics()
{
    QFETCH(QPageSize::PageSizeId, paper);
    PrinterSurface surface(SaveAsPdfPrinter.toString());
    QVERIFY(surface.writesPdf());
    QCOMPARE(surface.error(), QString());
    surface.printer().setPageSize(QPageSize(paper));
    const QPageLayout layout = surface.printer().pageLayout();
    QCOMPARE(layout.pageSize().id(), paper);

    surface.setScaleMode(PrintUnit::Inch);
    const float widthInches = surface.scaleWidth();
    const float heightInches = surface.scaleHeight();
    QVERIFY(qAbs(widthInches - layout.paintRect(QPageLayout::Inch).width()) < 0.01);
    QVERIFY(qAbs(heightInches - layout.paintRect(QPageLayout::Inch).height()) < 0.01);
    QVERIFY(widthInches < layout.fullRect(QPageLayout::Inch).width());
    QCOMPARE(surface.pixelsPerUnit(), double(surface.printer().resolution()));

    surface.setScaleMode(PrintUnit::Centimetre);
    QCOMPARE(surface.scaleWidth(), float(widthInches * 2.54));
    QCOMPARE(surface.scaleHeight(), float(heightInches * 2.54));
    QVERIFY(qAbs(surface.scaleWidth() - layout.paintRect(QPageLayout::Millimeter).width() / 10) <
            0.02);
    QCOMPARE(surface.pixelsPerUnit(), surface.printer().resolution() / 2.54);

    // The paper, not the printable area, in twips whatever the unit.
    const QRectF paperPoints = layout.fullRect(QPageLayout::Point);
    QCOMPARE(surface.paperWidthTwips(), float(paperPoints.width() * 20));
    QCOMPARE(surface.paperHeightTwips(), float(paperPoints.height() * 20));
    QCOMPARE(qRound(surface.paperWidthTwips()), paper == QPageSize::Letter ? 12240 : 11900);
    QVERIFY(!surface.hasDocument()); // queries open no document
}

void tst_PrinterSurface::textMeasures()
{
    PrinterSurface surface(SaveAsPdfPrinter.toString());
    surface.setScaleMode(PrintUnit::Inch);
    surface.setFontSize(12);
    const float height12 = surface.textHeight(QString::fromUtf16(LineSample));
    QVERIFY2(height12 > 0.15f && height12 < 0.25f, qPrintable(QString::number(height12)));
    const float width12 = surface.textWidth(QString::fromUtf16(LineSample));
    QVERIFY(width12 > 0.3f && width12 < 1.2f);
    QVERIFY(surface.textWidth("ABCxyzABCxyz") > 1.9f * width12);
    QVERIFY(surface.textWidth("") == 0.0f);

    surface.setFontSize(24);
    QVERIFY(qAbs(surface.textHeight(QString::fromUtf16(LineSample)) / height12 - 2) < 0.1);
    QVERIFY(qAbs(surface.textWidth(QString::fromUtf16(LineSample)) / width12 - 2) < 0.1);

    surface.setScaleMode(PrintUnit::Centimetre);
    QVERIFY(qAbs(surface.textHeight(QString::fromUtf16(LineSample)) / (2 * height12) - 2.54) <
            0.01);
    QVERIFY(!surface.hasDocument());
}

void tst_PrinterSurface::fontAttributesOneByOne()
{
    PrinterSurface surface(SaveAsPdfPrinter.toString());
    const PrintFont start = surface.font();
    QVERIFY(!start.Name.isEmpty());
    QVERIFY(start.Size > 0);

    surface.setFontName("DejaVu Serif");
    surface.setFontSize(13.5);
    surface.setFontBold(true);
    QCOMPARE(surface.font(), (PrintFont{"DejaVu Serif", 13.5, true, start.Italic,
                                        start.Strikethrough, start.Underline}));
    surface.setFontItalic(true);
    surface.setFontStrikethrough(true);
    surface.setFontUnderline(true);
    surface.setFontBold(false);
    QCOMPARE(surface.font(), (PrintFont{"DejaVu Serif", 13.5, false, true, true, true}));

    // Sizes that are no size are ignored; enormous ones are cut.
    for (double size : {0.0, -3.0, qQNaN(), qInf()}) {
        surface.setFontSize(size);
        QCOMPARE(surface.font().Size, 13.5);
    }
    surface.setFontSize(1e9);
    QCOMPARE(surface.font().Size, PainterSurface::MaxFontPoints);
    surface.setFontName("");
    QCOMPARE(surface.font().Name, QString("DejaVu Serif"));
}

void tst_PrinterSurface::pictureLandsOnItsPlace()
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath("album.pdf");
    PrinterSurface surface(SaveAsPdfPrinter.toString());
    surface.printer().setPageSize(QPageSize(QPageSize::Letter));
    surface.setOutputFileName(pdf);
    surface.setScaleMode(PrintUnit::Inch);
    surface.paintPicture(solidPicture(Qt::red), 1, 1, 2, 2);
    QVERIFY(surface.hasDocument());
    surface.endDoc();
    QCOMPARE(surface.error(), QString());
    QVERIFY(!surface.hasDocument());
    QCOMPARE(leftovers(dir.path()), QStringList());

    const QImage page = rasterise(pdf, dir.path());
    QCOMPARE(page.size(), QSize(612, 792));
    const QRectF area = surface.printer().pageLayout().paintRect(QPageLayout::Point);
    const int left = qRound(area.left() + 72);
    const int top = qRound(area.top() + 72);
    const int right = left + 144;
    const int bottom = top + 144;
    for (const QPoint inside : {QPoint(left + 2, top + 2), QPoint(right - 3, bottom - 3),
                                QPoint((left + right) / 2, (top + bottom) / 2)})
        QVERIFY2(isRed(page.pixel(inside)),
                 qPrintable(QString("%1,%2").arg(inside.x()).arg(inside.y())));
    for (const QPoint outside : {QPoint(left - 2, top + 10), QPoint(left + 10, top - 2),
                                 QPoint(right + 1, bottom - 10), QPoint(right - 10, bottom + 1)})
        QVERIFY2(isWhite(page.pixel(outside)),
                 qPrintable(QString("%1,%2").arg(outside.x()).arg(outside.y())));
}

void tst_PrinterSurface::newPageMakesASecondPage()
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath("two pages.pdf");
    PrinterSurface surface(SaveAsPdfPrinter.toString());
    surface.setOutputFileName(pdf);
    surface.setCurrentX(1);
    surface.setCurrentY(1);
    surface.printText("first");
    QVERIFY(!QFile::exists(pdf)); // nothing is in place before the end
    surface.newPage();
    surface.setCurrentX(1);
    surface.setCurrentY(1);
    surface.printText("second");
    surface.endDoc();
    QCOMPARE(surface.error(), QString());
    QCOMPARE(pdfPages(pdf), 2);
    QCOMPARE(leftovers(dir.path()), QStringList());

    // The next document starts afresh and replaces the file.
    surface.printText("again");
    surface.endDoc();
    QCOMPARE(pdfPages(pdf), 1);
}

void tst_PrinterSurface::killDocLeavesNothingAndKeepsTheOldFile()
{
    QTemporaryDir dir;
    const QString fresh = dir.filePath("fresh.pdf");
    const QString old = dir.filePath("old.pdf");
    {
        QFile file(old);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("the album of last year");
    }
    for (const QString& target : {fresh, old}) {
        PrinterSurface surface(SaveAsPdfPrinter.toString());
        surface.setOutputFileName(target);
        surface.printText("page 1");
        surface.newPage();
        surface.paintPicture(solidPicture(Qt::green), 0, 0, 1, 1);
        QVERIFY(surface.hasDocument());
        surface.killDoc();
        QVERIFY(!surface.hasDocument());
        surface.endDoc(); // nothing left to end
    }
    QVERIFY(!QFile::exists(fresh));
    QFile file(old);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("the album of last year"));
    QCOMPARE(leftovers(dir.path()), QStringList());

    // A surface destroyed in the middle of a document abandons it too.
    {
        PrinterSurface surface(SaveAsPdfPrinter.toString());
        surface.setOutputFileName(fresh);
        surface.printText("never printed");
    }
    QVERIFY(!QFile::exists(fresh));
    QCOMPARE(leftovers(dir.path()), QStringList());
}

void tst_PrinterSurface::printerThatCannotPrint_data()
{
    QTest::addColumn<QString>("printer");
    QTest::addColumn<QString>("outputFile");
    QTest::addColumn<QString>("reason");

    QTest::newRow("not installed") << "No Such Printer"
                                   << ""
                                   << "not installed";
    QTest::newRow("no printer") << ""
                                << ""
                                << "No printer";
    QTest::newRow("PDF without a file name") << SaveAsPdfPrinter.toString() << ""
                                             << "file name";
    QTest::newRow("PDF into a missing folder")
        << SaveAsPdfPrinter.toString() << "missing/folder/album.pdf"
        << "cannot be written";
}

void tst_PrinterSurface::printerThatCannotPrint()
{
    QFETCH(QString, printer);
    QFETCH(QString, outputFile);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    PrinterSurface surface(printer);
    if (!outputFile.isEmpty())
        surface.setOutputFileName(dir.filePath(outputFile));
    surface.printText("text");
    surface.paintPicture(solidPicture(Qt::red), 0, 0, 1, 1);
    surface.newPage();
    QVERIFY2(surface.error().contains(reason), qPrintable(surface.error()));
    QVERIFY(!surface.hasDocument());
    surface.endDoc();
    surface.killDoc();
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList());

    // Metrics still answer, so that callers can ask and then give up.
    surface.setScaleMode(PrintUnit::Inch);
    QVERIFY(surface.scaleWidth() > 0);

    // Choosing the PDF printer with a file name heals it.
    surface.selectPrinter(SaveAsPdfPrinter.toString());
    surface.setOutputFileName(dir.filePath("healed.pdf"));
    surface.printText("text");
    surface.endDoc();
    QCOMPARE(surface.error(), QString());
    QCOMPARE(pdfPages(dir.filePath("healed.pdf")), 1);
}

void tst_PrinterSurface::testPrinters()
{
    const TestPrinters none({});
    QCOMPARE(none.count(), 0);
    QCOMPARE(none.names(), QStringList());
    QCOMPARE(none.defaultName(), QString());
    QVERIFY(none.open(none.defaultName())->error().contains("not installed"));

    TestPrinters two({"Office", "Studio"}, "Studio");
    QCOMPARE(two.count(), 2);
    QCOMPARE(two.defaultName(), QString("Studio"));
    QCOMPARE(TestPrinters({"Office", "Studio"}).defaultName(), QString("Office"));

    // A working test printer prints nowhere unless it is given a file.
    QTemporaryDir dir;
    auto office = two.open("Office");
    QCOMPARE(office->printerName(), QString("Office"));
    QCOMPARE(office->error(), QString());
    office->printText("lost");
    QVERIFY(office->hasDocument());
    office->endDoc();
    QCOMPARE(office->error(), QString());
    office->setOutputFileName(dir.filePath("office.pdf"));
    office->printText("kept");
    office->newPage();
    office->endDoc();
    QCOMPARE(pdfPages(dir.filePath("office.pdf")), 2);
    QVERIFY(office->scaleWidth() > 0);

    // It follows another of its printers by name, not the machine's.
    office->selectPrinter("Studio");
    QCOMPARE(office->error(), QString());
    office->selectPrinter(SaveAsPdfPrinter.toString());
    QVERIFY(office->error().contains("not installed"));

    two.setFailing(true);
    auto failing = two.open("Studio");
    QVERIFY(!failing->error().isEmpty());
    failing->setOutputFileName(dir.filePath("failing.pdf"));
    failing->printText("nothing");
    QVERIFY(!failing->hasDocument());
    failing->endDoc();
    QVERIFY(!QFile::exists(dir.filePath("failing.pdf")));
    QVERIFY(!failing->error().isEmpty());
    QCOMPARE(office->error().isEmpty(), false); // surfaces opened before keep their state
}

void tst_PrinterSurface::systemPrinters()
{
    const SystemPrinters printers;
    const QStringList names = printers.names();
    QVERIFY(!names.isEmpty());
    QCOMPARE(names.last(), SaveAsPdfPrinter.toString());
    QCOMPARE(names.count(SaveAsPdfPrinter.toString()), 1);
    QCOMPARE(printers.count(), names.size());
    QVERIFY(names.contains(printers.defaultName()));
    if (names.size() == 1)
        QCOMPARE(printers.defaultName(), SaveAsPdfPrinter.toString());
    const auto surface = printers.open(printers.defaultName());
    QCOMPARE(surface->printerName(), printers.defaultName());
    QCOMPARE(surface->error(), QString());
}

void tst_PrinterSurface::previewSize_data()
{
    QTest::addColumn<PrintUnit>("unit");
    QTest::addColumn<float>("paperWidth");
    QTest::addColumn<float>("paperHeight");
    QTest::addColumn<float>("zoom");
    QTest::addColumn<QSize>("pixels");

    QTest::newRow("inch 50%") << PrintUnit::Inch << 8.5f << 11.0f << 0.5f << QSize(408, 528);
    QTest::newRow("cm 50%") << PrintUnit::Centimetre << 21.59f << 27.94f << 0.5f << QSize(408, 528);
    QTest::newRow("inch 100%") << PrintUnit::Inch << 8.5f << 11.0f << 1.0f << QSize(816, 1056);
    QTest::newRow("inch 25%") << PrintUnit::Inch << 8.5f << 11.0f << 0.25f << QSize(204, 264);
    QTest::newRow("A4 75%") << PrintUnit::Centimetre << 21.0f << 29.7f << 0.75f << QSize(595, 842);
}

void tst_PrinterSurface::previewSize()
{
    QFETCH(PrintUnit, unit);
    QFETCH(float, paperWidth);
    QFETCH(float, paperHeight);
    QFETCH(float, zoom);
    QFETCH(QSize, pixels);
    QCOMPARE(PreviewSurface::screenDotsPerInch(), 96.0); // the offscreen platform

    PreviewSurface surface;
    surface.setScaleMode(unit);
    surface.resize(paperWidth, paperHeight, zoom);
    QCOMPARE(surface.image().size(), pixels);
    QCOMPARE(surface.image().pixel(pixels.width() / 2, pixels.height() - 1), qRgb(255, 255, 255));
    QCOMPARE(surface.scaleWidth(), paperWidth * zoom);
    QCOMPARE(surface.scaleHeight(), paperHeight * zoom);
    QCOMPARE(surface.pixelsPerUnit(), unit == PrintUnit::Inch ? 96.0 : 96 / 2.54);
    const double inches = paperWidth * zoom / (unit == PrintUnit::Inch ? 1 : 2.54);
    QVERIFY(qAbs(surface.paperWidthTwips() - inches * 1440) < 0.1);
    QCOMPARE(surface.error(), QString());
}

void tst_PrinterSurface::previewOutlineAndClear()
{
    PreviewSurface surface;
    surface.setScaleMode(PrintUnit::Inch);
    surface.resize(8.5f, 11, 0.5f);
    surface.drawRectOutline(2, 2, 1, 1, Blue); // corners in any order
    const QImage& image = surface.image();
    const QRgb blue = qRgb(0, 0, 255);
    for (int i = 96; i <= 192; i += 8) {
        QCOMPARE(image.pixel(96, i), blue);
        QCOMPARE(image.pixel(192, i), blue);
        QCOMPARE(image.pixel(i, 96), blue);
        QCOMPARE(image.pixel(i, 192), blue);
    }
    for (const QPoint white : {QPoint(95, 150), QPoint(97, 150), QPoint(191, 150), QPoint(193, 150),
                               QPoint(150, 95), QPoint(150, 193), QPoint(150, 150)})
        QCOMPARE(image.pixel(white), qRgb(255, 255, 255));

    // An outline far larger than the page still shows the edges that are on it.
    surface.drawRectOutline(0.5f, -1e30f, 1e30f, 3, 0xFF);
    QCOMPARE(image.pixel(48, 100), qRgb(255, 0, 0));
    QCOMPARE(image.pixel(100, 288), qRgb(255, 0, 0));
    surface.drawRectOutline(qQNaN(), 0, 1, 1, 0xFF); // ignored

    surface.clear();
    QImage white(image.size(), image.format());
    white.fill(Qt::white);
    QCOMPARE(surface.image(), white);
    surface.newPage();
    surface.endDoc();
    surface.killDoc();
    QCOMPARE(surface.image(), white);
}

void tst_PrinterSurface::previewTextStartsAtItsPosition_data()
{
    QTest::addColumn<bool>("transparent");
    QTest::newRow("transparent") << true;
    QTest::newRow("opaque") << false;
}

void tst_PrinterSurface::previewTextStartsAtItsPosition()
{
    QFETCH(bool, transparent);
    PreviewSurface surface;
    surface.setScaleMode(PrintUnit::Inch);
    surface.resize(8.5f, 11, 0.5f);
    // A green band across where the text goes shows whether the text paints its background.
    surface.paintPicture(solidPicture(Qt::green), 0, 1, 4.25f, 0.5f);
    surface.setFontSize(24);
    surface.setForeColor(Blue);
    surface.setFontTransparent(transparent);
    surface.setCurrentX(1);
    surface.setCurrentY(1);
    const float height = surface.textHeight(QString::fromUtf16(LineSample));
    surface.printText(QString::fromUtf16(LineSample));
    QCOMPARE(surface.currentX(), 0.0f);
    QCOMPARE(surface.currentY(), 1 + height);

    const QImage& image = surface.image();
    QRect ink;
    int whiteInBand = 0;
    for (int y = 90; y < 140; ++y) {
        for (int x = 80; x < 300; ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qBlue(pixel) > 128 && qRed(pixel) < 100 && qGreen(pixel) < 100)
                ink |= QRect(x, y, 1, 1);
            else if (y >= 96 && isWhite(pixel))
                ++whiteInBand;
        }
    }
    // The top-left corner of the text is at (96, 96): glyphs start just right of and below it.
    QVERIFY2(ink.left() >= 96 && ink.left() <= 100, qPrintable(QString::number(ink.left())));
    QVERIFY2(ink.top() >= 96 && ink.top() <= 96 + height * 96 / 2,
             qPrintable(QString::number(ink.top())));
    QCOMPARE(whiteInBand > 0, !transparent);
}

void tst_PrinterSurface::previewRejectsAbsurdSizes()
{
    PreviewSurface surface;
    surface.setScaleMode(PrintUnit::Inch);
    surface.resize(1e9f, 11, 1);
    QVERIFY(!surface.error().isEmpty());
    QVERIFY(surface.image().width() <= PreviewSurface::MaxSide);
    surface.resize(qQNaN(), -4, 1);
    QCOMPARE(surface.scaleWidth(), 0.0f);
    QCOMPARE(surface.scaleHeight(), 0.0f);
    QVERIFY(!surface.image().isNull());
    surface.printText("still usable");
    surface.paintPicture(solidPicture(Qt::red), qInf(), 0, 1, 1);
    surface.resize(8.5f, 11, 1);
    QCOMPARE(surface.error(), QString());
    QCOMPARE(surface.image().size(), QSize(816, 1056));
}

QTEST_MAIN(tst_PrinterSurface)
#include "tst_printersurface.moc"
