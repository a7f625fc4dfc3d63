#include "CupsScheduler.h"
#include "PrintingFixtures.h"
#include "album/PrintJob.h"
#include "album/PrinterSurface.h"
#include "platform/Printers.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>

using namespace printingtest;

namespace {

const QString Queue = QStringLiteral("QuenbrookPDF");
constexpr int Dpi = 50;
const QList<QColor> Colours = {QColor(220, 0, 0),   QColor(0, 160, 0),   QColor(0, 0, 230),
                               QColor(230, 180, 0), QColor(200, 0, 200), QColor(0, 180, 180)};

QString output(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// How unlike two pages are in a band: the sum of the grey differences.
qint64 difference(const QImage& a, const QImage& b, const QRect& band)
{
    qint64 sum = 0;
    for (int y = band.top(); y <= band.bottom(); ++y)
        for (int x = band.left(); x <= band.right(); ++x)
            sum += qAbs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y)));
    return sum;
}

// Accepts the print dialog, noting what it offered.
QString acceptPrintDialog()
{
    auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
    if (!dialog)
        return QString();
    const auto offers = [&](QAbstractPrintDialog::PrintDialogOption option, const char* what) {
        return dialog->testOption(option) ? QString(what) : "no " + QString(what);
    };
    const QString offered = QStringLiteral("pages %1 to %2 of %3 to %4, %5, %6, %7")
                                .arg(dialog->printer()->fromPage())
                                .arg(dialog->printer()->toPage())
                                .arg(dialog->minPage())
                                .arg(dialog->maxPage())
                                .arg(offers(QAbstractPrintDialog::PrintCollateCopies, "copies"),
                                     offers(QAbstractPrintDialog::PrintToFile, "file"),
                                     offers(QAbstractPrintDialog::PrintSelection, "selection"));
    dialog->accept();
    return offered;
}

} // namespace

class tst_PrintCups : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase() { scheduler_.stop(); }
    void printsTheAlbum_data();
    void printsTheAlbum();

private:
    CupsScheduler scheduler_;
    QString noScheduler_ = CupsScheduler::unavailable();
    QTemporaryDir dir_;
    QStringList pictures_;
    QList<QImage> reference_; // the first row's pages
};

void tst_PrintCups::initTestCase()
{
    for (int i = 0; i < Colours.size(); ++i)
        pictures_ << solidPicture(dir_, QStringLiteral("%1.bmp").arg(i),
                                  i % 2 ? QSize(200, 300) : QSize(300, 200), Colours[i]);
    QVERIFY(!pictures_.contains(QString()));
    if (noScheduler_.isEmpty()) {
        const QString error = scheduler_.start(Queue);
        QVERIFY2(error.isEmpty(), qPrintable(error));
    }
}

void tst_PrintCups::printsTheAlbum_data()
{
    QTest::addColumn<QString>("printer");
    QTest::addColumn<bool>("fileChosenInDialog");
    QTest::newRow("built-in Save as PDF") << SaveAsPdfPrinter.toString() << false;
    QTest::newRow("Print to File chosen in the dialog") << Queue << true;
    QTest::newRow("CUPS queue with CUPS-PDF") << Queue << false;
}

void tst_PrintCups::printsTheAlbum()
{
    QFETCH(QString, printer);
    QFETCH(bool, fileChosenInDialog);
    const bool throughCups = printer == Queue && !fileChosenInDialog;
    if (printer == Queue && !noScheduler_.isEmpty())
        QSKIP(qPrintable(noScheduler_));

    // 3.2 × 4.5 inch cells, 2 × 2 a page on Letter, under a centred page number.
    PrintSettings s;
    s.PictureMaxWidth = 3.2f;
    s.PictureMaxHeight = 4.5f;
    s.HeaderStyle = BandStyle::PageNumber;
    s.HeaderAlignment = BandAlignment::Center;
    s.HeaderFont = PrintFont{QStringLiteral("DejaVu Sans"), 28};
    const QString pdf = dir_.filePath(QTest::currentDataTag() + QStringLiteral(".pdf"));
    PrinterSurface surface(printer);
    if (printer != Queue)
        surface.setOutputFileName(pdf);
    surface.printer().setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                                QMarginsF(0.5, 0.5, 0.5, 0.5), QPageLayout::Inch));

    QString offered;
    WindowWatcher watcher;
    QTimer dialogs;
    connect(&dialogs, &QTimer::timeout, [&] { offered += acceptPrintDialog(); });
    dialogs.start(10);
    const PrintDialogRunner chooseFile = [&](QWidget*, QPrinter& p, qint32 from, qint32 to) {
        p.setOutputFileName(pdf); // as the dialog's "Print to File (PDF)" does
        return std::optional<PageRange>(PageRange{from, to});
    };
    RunPrintJob(nullptr, pictures_, s, surface, fileChosenInDialog ? chooseFile : ShowPrintDialog);
    QCOMPARE(watcher.messages, QStringList());
    QCOMPARE(offered,
             fileChosenInDialog ? "" : "pages 1 to 2 of 1 to 2, copies, file, no selection");

    QString made = pdf;
    if (throughCups) {
        QString problem;
        QTRY_VERIFY_WITH_TIMEOUT(scheduler_.jobsDone(Queue, problem) || !problem.isEmpty(), 120000);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        const QFileInfoList pdfs = QDir(scheduler_.outputFolder()).entryInfoList({"*.pdf"});
        QCOMPARE(pdfs.size(), 1);
        made = pdfs.first().filePath();
    }
    const auto pages = QRegularExpression("Pages:\\s+(\\d+)").match(output("pdfinfo", {made}));
    QCOMPARE(pages.captured(1), "2");

    const LayoutResult computed = ComputePageLayout(s, int(pictures_.size()), surface);
    QVERIFY(std::holds_alternative<PageLayout>(computed));
    const PageLayout& layout = std::get<PageLayout>(computed);
    const QPointF origin = surface.printer().pageLayout().paintRect(QPageLayout::Inch).topLeft();
    const auto at = [&](double x, double y) { return ((origin + QPointF(x, y)) * Dpi).toPoint(); };
    const QRect band(at(0, 0), at(layout.PrintableWidth, layout.HeaderHeight));
    QList<QImage> images;
    QStringList seen, expected;
    for (int page = 1; page <= 2; ++page) {
        const QString stem = dir_.filePath(QStringLiteral("page"));
        const QString number = QString::number(page);
        QProcess::execute("pdftoppm", {"-r", QString::number(Dpi), "-png", "-f", number,
                                       "-singlefile", made, stem});
        const QImage image(stem + ".png");
        QCOMPARE(image.size(), QSize(425, 550));
        images << image;
        // CUPS-PDF's fonts carry no text; elsewhere the page number is the page's only text.
        if (!throughCups)
            QCOMPARE(output("pdftotext", {"-f", number, "-l", number, made, "-"}).trimmed(),
                     number);

        // Each colour in its cell; the last two cells stay white.
        for (int cell = 0; cell < 4; ++cell) {
            const int i = (page - 1) * 4 + cell;
            const CellPlace place = CellOrigin(layout, s, page, cell / 2 + 1, cell % 2 + 1);
            const QColor want = i < Colours.size() ? Colours[i] : QColor(Qt::white);
            const QColor pixel = image.pixelColor(
                at(place.CellLeft + s.PictureMaxWidth / 2, place.CellTop + s.PictureMaxHeight / 2));
            const int off = qAbs(pixel.red() - want.red()) + qAbs(pixel.green() - want.green()) +
                            qAbs(pixel.blue() - want.blue());
            seen << (off <= 60 ? want.name() : pixel.name() + "?");
            expected << want.name();
        }

        // The page number dark and centred in the header band.
        QRect ink;
        for (int y = band.top(); y < band.bottom(); ++y)
            for (int x = band.left(); x < band.right(); ++x)
                if (qGray(image.pixel(x, y)) < 100)
                    ink |= QRect(x, y, 1, 1);
        QVERIFY2(!ink.isEmpty() && qAbs(ink.center().x() - band.center().x()) <= 2,
                 qPrintable(QDebug::toString(ink)));
    }
    QCOMPARE(seen, expected);
    // The same digits as the reference pages: each header nearer its own page's than the other's.
    if (reference_.isEmpty())
        reference_ = images;
    for (int page = 0; page < 2; ++page)
        QVERIFY(difference(images[page], reference_[page], band) <
                difference(images[page], reference_[1 - page], band));
}

QTEST_MAIN(tst_PrintCups)
#include "tst_printcups.moc"
