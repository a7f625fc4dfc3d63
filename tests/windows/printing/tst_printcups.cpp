#include "print/PrinterSurface.h"
#include "print/Printers.h"
#include "support/CupsScheduler.h"
#include "support/PdfReader.h"
#include "support/PrintingFixtures.h"
#include "windows/dialogs/PrinterSetupDialog.h"
#include "windows/printing/RunPrintJob.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QSpinBox>

using namespace printingtest;
using namespace testsupport;

namespace {

const QString Queue = QStringLiteral("QuenbrookPDF");
constexpr int Dpi = 50;
const QList<QColor> Colours = {QColor(220, 0, 0),   QColor(0, 160, 0),   QColor(0, 0, 230),
                               QColor(230, 180, 0), QColor(200, 0, 200), QColor(0, 180, 180)};

// The colour nearest the middle of each page of a PDF, as an index into Colours (-1: none).
QList<int> pageColours(const QString& pdf)
{
    const PdfReader reader(pdf);
    QList<int> colours;
    for (int page = 1; page <= reader.pages(); ++page) {
        const QImage image = reader.page(page, 20);
        const QColor pixel = image.pixelColor(image.width() / 2, image.height() / 2);
        int found = -1;
        for (int i = 0; i < Colours.size(); ++i)
            if (colourDistance(pixel, Colours[i]) <= 60)
                found = i;
        colours << found;
    }
    return colours;
}

} // namespace

class tst_PrintCups : public QObject
{
    Q_OBJECT
private slots:
    void cleanupTestCase() { scheduler_.stop(); }

    void initTestCase()
    {
        for (int i = 0; i < Colours.size(); ++i)
            pictures_ << solidPicture(dir_, QStringLiteral("%1.bmp").arg(i),
                                      i % 2 ? QSize(200, 300) : QSize(300, 200), Colours[i]);
        if (noScheduler_.isEmpty()) {
            const QString error = scheduler_.start(Queue, {"-o", "PageSize=Letter"});
            QVERIFY2(error.isEmpty(), qPrintable(error));
        }
    }

    // The default queue's own paper and resolution, and Printer Setup naming its paper.
    void takesTheQueuesOwnSetup()
    {
        if (!noScheduler_.isEmpty())
            QSKIP(qPrintable(noScheduler_));
        const SystemPrinters printers;
        QCOMPARE(printers.defaultName(), Queue);
        PrinterSurface surface(printers.defaultName());
        QCOMPARE(surface.printer().pageLayout().fullRect(QPageLayout::Point).size(),
                 QSizeF(612, 792));
        // "Printer Resolution" decodes pictures at the queue's 300 dots per inch.
        PrintSettings s;
        s.PictureResolution = PrintSettings::PrinterResolution;
        QCOMPARE(PictureDecodeSize(s, PageView(), surface), QSize(600, 600));

        const auto setup = [&](const std::function<void(QComboBox*, QComboBox*)>& use) {
            PrinterSetupDialog dialog(nullptr, printers, surface);
            use(dialog.findChild<QComboBox*>("cboPrinter"),
                dialog.findChild<QComboBox*>("cboPaper"));
            dialog.accept();
        };
        const QString pdfPaper = DefaultPaperSize(SaveAsPdfPrinter.toString()).name();
        QStringList shown;
        setup([&](QComboBox* printer, QComboBox* paper) {
            shown << paper->currentText();
            // Another printer comes with its own paper unless one was picked.
            printer->setCurrentText(SaveAsPdfPrinter.toString());
            shown << paper->currentText();
            printer->setCurrentText(Queue);
            shown << paper->currentText();
        });
        setup([&](QComboBox* printer, QComboBox* paper) {
            shown << paper->currentText();
            paper->setCurrentIndex(paper->findText("US Legal"));
            emit paper->activated(paper->currentIndex()); // as a pick by the user
            printer->setCurrentText(SaveAsPdfPrinter.toString());
            shown << paper->currentText();
        });
        QCOMPARE(shown, (QStringList{"US Letter", pdfPaper, "US Letter", "US Letter", "Legal"}));
        QCOMPARE(surface.printerName(), SaveAsPdfPrinter.toString());
        QCOMPARE(surface.printer().pageLayout().fullRect(QPageLayout::Point).size(),
                 QSizeF(612, 1008));

        // Legal picked for the queue is what it prints on, through a print dialog left as it is.
        setup([&](QComboBox* printer, QComboBox* paper) {
            printer->setCurrentText(Queue);
            paper->setCurrentIndex(paper->findText("US Legal"));
            emit paper->activated(paper->currentIndex());
        });
        QTimer dialogs;
        connect(&dialogs, &QTimer::timeout, [&] {
            if (auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget()))
                dialog->accept();
        });
        dialogs.start(10);
        RunPrintJob(nullptr, pictures_.mid(0, 1), PrintSettings(), surface);
        QCOMPARE(PdfReader(queueOutput()).points(), QSizeF(612, 1008));
    }

    // The pages typed in the dialog, with the copies and the order asked for: a queue makes those
    // from the job's pages, into a file the job makes them.
    void printsThePagesChosen_data()
    {
        QTest::addColumn<QString>("printer");
        QTest::addColumn<QString>("pages"); // empty: all
        QTest::addColumn<int>("copies");
        QTest::addColumn<bool>("collate");
        QTest::addColumn<bool>("reverse");
        QTest::addColumn<QList<int>>("expected"); // album pages printed, from 0
        const QString file = SaveAsPdfPrinter.toString();
        QTest::newRow("queue, 2-3") << Queue << "2-3" << 1 << false << false << QList<int>{1, 2};
        QTest::newRow("queue, 1,3") << Queue << "1,3" << 1 << false << false << QList<int>{0, 2};
        QTest::newRow("queue, 3") << Queue << "3" << 1 << false << false << QList<int>{2};
        QTest::newRow("queue, 1,3, two copies, reversed")
            << Queue << "1,3" << 2 << true << true << QList<int>{2, 0, 2, 0};
        QTest::newRow("file, two copies, reversed")
            << file << "" << 2 << true << true << QList<int>{2, 1, 0, 2, 1, 0};
        QTest::newRow("file, 2 to 3 twice, not collated")
            << file << "2-3" << 2 << false << false << QList<int>{1, 1, 2, 2};
    }

    void printsThePagesChosen()
    {
        QFETCH(QString, printer);
        QFETCH(QString, pages);
        QFETCH(int, copies);
        QFETCH(bool, collate);
        QFETCH(bool, reverse);
        QFETCH(QList<int>, expected);
        const bool throughCups = printer == Queue;
        if (throughCups && !noScheduler_.isEmpty())
            QSKIP(qPrintable(noScheduler_));

        // One picture a page: three pages.
        PrintSettings s;
        s.PictureMaxWidth = 6;
        s.PictureMaxHeight = 8;
        const QString pdf = dir_.filePath(
            QString(QTest::currentDataTag()).replace(QRegularExpression("\\W"), "_") + ".pdf");
        PrinterSurface surface(printer);
        if (!throughCups)
            surface.setOutputFileName(pdf);
        WindowWatcher watcher;
        QTimer dialogs;
        connect(&dialogs, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            if (pages.contains(',') || throughCups) { // the field a queue offers for any list
                dialog->findChild<QAbstractButton*>("pagesRadioButton")->click();
                dialog->findChild<QLineEdit*>("pagesLineEdit")->setText(pages);
            } else if (!pages.isEmpty()) {
                dialog->findChild<QAbstractButton*>("printRange")->click();
                dialog->findChild<QSpinBox*>("from")->setValue(pages.section('-', 0, 0).toInt());
                dialog->findChild<QSpinBox*>("to")->setValue(pages.section('-', 1, 1).toInt());
            }
            dialog->findChild<QSpinBox*>("copies")->setValue(copies);
            auto* collated = dialog->findChild<QAbstractButton*>("collate");
            if (collated->isChecked() != collate)
                collated->click();
            if (reverse)
                dialog->findChild<QAbstractButton*>("reverse")->click();
            dialog->accept();
        });
        dialogs.start(10);
        RunPrintJob(nullptr, pictures_.mid(0, 3), s, surface);
        QCOMPARE(watcher.messages, QStringList());

        const QString made = throughCups ? queueOutput() : pdf;
        QCOMPARE(pageColours(made), expected);
    }

    void printsTheAlbum_data()
    {
        QTest::addColumn<QString>("printer");
        QTest::newRow("built-in Save as PDF") << SaveAsPdfPrinter.toString();
        QTest::newRow("CUPS queue with CUPS-PDF") << Queue;
    }

    void printsTheAlbum()
    {
        QFETCH(QString, printer);
        const bool throughCups = printer == Queue;
        if (throughCups && !noScheduler_.isEmpty())
            QSKIP(qPrintable(noScheduler_));

        // 3.2 × 4.5 inch cells, 2 × 2 a page on Letter, under a centred page number.
        PrintSettings s;
        s.PictureMaxWidth = 3.2f;
        s.PictureMaxHeight = 4.5f;
        s.Header.Style = BandStyle::PageNumber;
        s.Header.Alignment = BandAlignment::Center;
        s.Header.Font = PrintFont{QStringLiteral("DejaVu Sans"), 28};
        const QString pdf = dir_.filePath(QTest::currentDataTag() + QStringLiteral(".pdf"));
        PrinterSurface surface(printer);
        if (!throughCups) {
            surface.setOutputFileName(pdf);
            surface.printer().setPageSize(QPageSize(QPageSize::Letter)); // the queue's own paper
        }
        QVERIFY(surface.printer().setPageMargins(QMarginsF(0.5, 0.5, 0.5, 0.5), QPageLayout::Inch));

        QString offered;
        WindowWatcher watcher;
        QTimer dialogs;
        connect(&dialogs, &QTimer::timeout, [&] { // accepts the print dialog, noting its page range
            if (auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget())) {
                offered += QStringLiteral("%1 to %2").arg(dialog->minPage()).arg(dialog->maxPage());
                dialog->accept();
            }
        });
        dialogs.start(10);
        RunPrintJob(nullptr, pictures_, s, surface);
        QCOMPARE(watcher.messages, QStringList());
        QCOMPARE(offered, "1 to 2");

        const QString made = throughCups ? queueOutput() : pdf;
        // Two pages, each with its number as its only text (CUPS-PDF's fonts carry no text).
        QString text = PdfReader(made).text().remove(QRegularExpression("[ \\n]"));
        QCOMPARE(text, throughCups ? "\f\f" : "1\f2\f");

        const LayoutResult computed = ComputePageLayout(s, int(pictures_.size()), surface);
        QVERIFY(std::holds_alternative<PageLayout>(computed));
        const PageLayout& layout = std::get<PageLayout>(computed);
        const QPointF origin =
            surface.printer().pageLayout().paintRect(QPageLayout::Inch).topLeft();
        const auto at = [&](double x, double y) {
            return ((origin + QPointF(x, y)) * Dpi).toPoint();
        };
        const QRect band(at(0, 0), at(layout.PrintableWidth, layout.HeaderHeight));
        QStringList seen, expected;
        QList<QImage> images;
        for (int page = 1; page <= 2; ++page) {
            const QImage image = PdfReader(made).page(page, Dpi);
            QCOMPARE(image.size(), QSize(425, 550));
            images << image;

            // Each colour in its cell; the last two cells stay white.
            for (int cell = 0; cell < 4; ++cell) {
                const int i = (page - 1) * 4 + cell;
                const CellPlace place = CellOrigin(layout, s, page, cell / 2 + 1, cell % 2 + 1);
                const QColor want = i < Colours.size() ? Colours[i] : QColor(Qt::white);
                const QColor pixel = image.pixelColor(at(place.CellLeft + s.PictureMaxWidth / 2,
                                                         place.CellTop + s.PictureMaxHeight / 2));
                seen << (colourDistance(pixel, want) <= 60 ? want.name() : pixel.name() + "?");
                expected << want.name();
            }
        }
        QCOMPARE(seen, expected);
        // The same digits as the first row's: each header nearer its own page's than the other's.
        const auto unlike = [&](const QImage& a, const QImage& b) {
            qint64 sum = 0;
            for (int y = band.top(); y <= band.bottom(); ++y)
                for (int x = band.left(); x <= band.right(); ++x)
                    sum += qAbs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y)));
            return sum;
        };
        if (reference_.isEmpty())
            reference_ = images;
        for (int page = 0; page < 2; ++page)
            QVERIFY(unlike(images[page], reference_[page]) <
                    unlike(images[page], reference_[1 - page]));
    }

    // Legal and Landscape picked in the dialog's properties are what the pages are printed on.
    void printsOnThePaperChosenInTheDialog()
    {
        const QString pdf = dir_.filePath(QStringLiteral("chosen.pdf"));
        PrinterSurface surface(SaveAsPdfPrinter.toString());
        surface.setOutputFileName(pdf);
        bool chosen = false;
        QTimer dialogs;
        connect(&dialogs, &QTimer::timeout, [&] {
            QWidget* window = QApplication::activeModalWidget();
            if (auto* dialog = qobject_cast<QPrintDialog*>(window)) {
                if (chosen)
                    dialog->accept();
                else if (auto* properties = dialog->findChild<QAbstractButton*>("properties");
                         properties && properties->isVisible())
                    QTimer::singleShot(0, properties, &QAbstractButton::click); // out of this tick
                else
                    dialog->reject(); // the user cannot reach the paper

            } else if (window && window->inherits("QPrintPropertiesDialog")) {
                auto* sizes = window->findChild<QComboBox*>("pageSizeCombo");
                auto* landscape = window->findChild<QAbstractButton*>("landscape");
                QVERIFY(sizes && landscape);
                sizes->setCurrentIndex(sizes->findText("Legal", Qt::MatchStartsWith));
                landscape->click();
                chosen = true;
                static_cast<QDialog*>(window)->accept();
            }
        });
        dialogs.start(10);
        RunPrintJob(nullptr, pictures_.mid(0, 1), PrintSettings(), surface);
        QVERIFY(chosen);
        QVERIFY(QFileInfo::exists(pdf));
        // Legal is 8.5 × 14 inches: 1008 × 612 points lying down.
        QCOMPARE(PdfReader(pdf).points(), QSizeF(1008, 612));
    }

private:
    // The one document CUPS-PDF wrote since the last call, moved out of its folder once the
    // queue is idle; empty when there is not exactly one.
    QString queueOutput()
    {
        if (!QTest::qWaitFor([&] { return scheduler_.activeJobs(Queue) == 0; }, 120000))
            qWarning("the queue is still busy");
        const QFileInfoList pdfs = QDir(scheduler_.outputFolder()).entryInfoList({"*.pdf"});
        for (const QFileInfo& pdf : pdfs)
            QFile::rename(pdf.filePath(),
                          dir_.filePath(QStringLiteral("queued%1.pdf").arg(++queued_)));
        if (pdfs.size() == 1)
            return dir_.filePath(QStringLiteral("queued%1.pdf").arg(queued_));
        qWarning("%lld documents from the queue: %s", qlonglong(pdfs.size()),
                 qPrintable(scheduler_.log()));
        return QString();
    }

    CupsScheduler scheduler_;
    QString noScheduler_ = CupsScheduler::unavailable();
    QTemporaryDir dir_;
    QStringList pictures_;
    QList<QImage> reference_; // the first row's pages
    int queued_ = 0;
};

QTEST_MAIN(tst_PrintCups)
#include "tst_printcups.moc"
