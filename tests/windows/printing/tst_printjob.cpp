// SPDX-License-Identifier: GPL-2.0-or-later
#include "print/PrinterSurface.h"
#include "print/Printers.h"
#include "support/CupsScheduler.h"
#include "support/PdfReader.h"
#include "support/PrintingFixtures.h"
#include "support/TestMain.h"
#include "windows/dialogs/PrinterSetupDialog.h"
#include "windows/printing/RunPrintJob.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

using namespace printingtest;
using namespace testsupport;

namespace {

const QString Queue = QStringLiteral("QuenbrookPDF");
const QString SaveAsPdf = SaveAsPdfPrinter.toString();
const QList<QColor> Colours = {QColor(220, 0, 0), QColor(0, 160, 0), QColor(0, 0, 230)};

// What reached the printer: "1: 0 1 2 3 | 2: 4 end" is page 1's header, list entries 0 to 3,
// a new page, page 2's header, entry 4 and the end of the document.
QString printed(const RecordingSurface& surface)
{
    using K = SurfaceCall::Kind;
    QStringList out;
    for (const SurfaceCall& c : surface.calls()) {
        if (c.kind == K::Text && c.font.Name == u"Header")
            out << c.text + ':';
        else if (c.kind == K::Picture)
            out << QString::number(qRound(c.natural.width() * 96 / 2540.0) - 20);
        else if (c.kind == K::NewPage || c.kind == K::EndDoc || c.kind == K::KillDoc)
            out << (c.kind == K::NewPage ? "|" : c.kind == K::EndDoc ? "end" : "kill");
    }
    return out.join(' ');
}

// The colour in the middle of each page of a PDF, as an index into Colours (-1: none).
QList<int> pageColours(const QString& pdf)
{
    QList<int> colours;
    for (int page = 1; page <= PdfReader(pdf).pages(); ++page) {
        const QImage image = PdfReader(pdf).page(page, 20);
        const QColor pixel = image.pixelColor(image.width() / 2, image.height() / 2);
        colours << -1;
        for (int i = 0; i < Colours.size(); ++i)
            colours.last() = colourDistance(pixel, Colours[i]) <= 60 ? i : colours.last();
    }
    return colours;
}

} // namespace

class tst_PrintJob : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        for (int i = 0; i < Colours.size(); ++i)
            pictures_ << solidPicture(dir_, QStringLiteral("%1.bmp").arg(i),
                                      i % 2 ? QSize(200, 300) : QSize(300, 200), Colours[i]);
        const QString error =
            noScheduler_.isEmpty() ? scheduler_.start(Queue, {"-o", "PageSize=Letter"}) : QString();
        QVERIFY2(error.isEmpty(), qPrintable(error));
    }
    void cleanupTestCase() { scheduler_.stop(); }

    void job_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<PageSequence>("pages");
        QTest::addColumn<int>("firstShown");   // list entry of the first progress text, -1: none
        QTest::addColumn<QString>("expected"); // what was printed; the messages shown

        const PageSequence all(PageRange{1, 2});
        QTest::newRow("5 pictures") << 5 << all << 0 << "1: 0 1 2 3 | 2: 4 end;";
        QTest::newRow("pages 2 to 3")
            << 12 << PageSequence(PageRange{2, 3}) << 4 << "2: 4 5 6 7 | 3: 8 9 10 11 end;";
        QTest::newRow("3, 1, and past the album") << 12 << PageSequence({{3, 3}, {1, 1}, {5, 9}})
                                                  << 8 << "3: 8 9 10 11 | 1: 0 1 2 3 end;";
        QTest::newRow("from after to") << 12 << PageSequence(PageRange{3, 2}) << -1 << "end;";
        QTest::newRow("deleted") << 8 << all << 0
                                 << "1: 0 1 2 3 | 2: 4 kill;critical: gone.bmp: file not found";
        QTest::newRow("dialog cancelled") << 8 << all << -1 << "kill;";
        // On page 2, with the owner disabled: Cancel stops the job before the next picture, Esc
        // does not.
        QTest::newRow("Cancel clicked") << 8 << all << 0 << "1: 0 1 2 3 | 2: kill;";
        QTest::newRow("Esc") << 8 << all << 0 << "1: 0 1 2 3 | 2: 4 5 6 7 end;";
    }

    // The Printing window on the recording printer: the pages asked for, its progress texts,
    // Cancel and Esc, a broken picture; every way out leaves the owner as it was.
    void job()
    {
        QFETCH(int, count);
        QFETCH(PageSequence, pages);
        QFETCH(int, firstShown);
        const QString trouble = QTest::currentDataTag();

        // 2 × 2 cells of 3 × 4 inch on the 8 × 10.5 inch recording printer, page number on top.
        QTemporaryDir dir;
        QStringList list = numberedPictures(dir, count);
        if (trouble == "deleted")
            list[5] = dir.filePath("gone.bmp");
        PrintSettings s = gridSettings();
        s.PictureMaxHeight = 4;
        s.Header.Style = BandStyle::PageNumber;
        RecordingSurface printer;

        QWidget owner;
        owner.show();
        QStringList shown;
        bool busy = false; // owner disabled under a wait cursor while the first picture shows
        WindowWatcher watcher([&] {
            auto* window = owner.findChild<QWidget*>("frmOnPrinting");
            const QString text = window ? window->findChild<QLabel*>("lblMessage")->text() : "";
            if (text.isEmpty() || (!shown.isEmpty() && shown.last() == text))
                return;
            if (shown.isEmpty())
                busy = !owner.isEnabled() && QGuiApplication::overrideCursor() &&
                       QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor;
            shown << text;
            auto* cancel = window->findChild<QPushButton*>("cmdCancel");
            const bool page2 = text.startsWith("Print Page:2\r\n");
            if (page2 && trouble == "Esc")
                QTimer::singleShot(0, window, [=] { QTest::keyClick(window, Qt::Key_Escape); });
            if (page2 && trouble == "Cancel clicked")
                QTimer::singleShot(0, cancel, [=] { QTest::mouseClick(cancel, Qt::LeftButton); });
        });
        PrintAlbum(&owner, list, s, printer, [&](qint32) {
            return trouble == "dialog cancelled" ? std::nullopt : std::optional(pages);
        });

        QTEST(printed(printer) + ';' + watcher.messages.join('\n'), "expected");
        QVERIFY(owner.isEnabled() && !QGuiApplication::overrideCursor() &&
                !owner.findChild<QWidget*>("frmOnPrinting"));
        QVERIFY(busy || shown.isEmpty());
        QCOMPARE(shown.value(0), firstShown < 0 ? QString()
                                                : QStringLiteral("Print Page:%1\r\nFile Name: %2")
                                                      .arg(pages.Runs.first().FromPage)
                                                      .arg(list[firstShown]));
    }

    // Landscape picked in the print dialog's properties turns the pages printed.
    void turnedInThePrintDialog()
    {
        PrinterSurface surface(SaveAsPdf);
        const QString pdf = dir_.filePath("turned.pdf");
        surface.setOutputFileName(pdf);
        WindowWatcher dialogs;
        bool turned = false, asked = false;
        dialogs.onModal = [&](QWidget* dialog) {
            if (!qobject_cast<QPrintDialog*>(dialog)) {
                dialog->findChild<QAbstractButton*>("landscape")->click();
                static_cast<QDialog*>(dialog)->accept();
                turned = true;
            } else if (turned) {
                static_cast<QDialog*>(dialog)->accept();
            } else if (!std::exchange(asked, true)) {
                QTimer::singleShot(0, dialog->findChild<QPushButton*>("properties"),
                                   &QPushButton::click);
            }
        };
        RunPrintJob(nullptr, pictures_.mid(0, 1), PrintSettings(), surface);
        const QSizeF paper = PdfReader(pdf).points();
        QVERIFY2(paper.width() > paper.height(), "printed upright");
    }

    // Printer Setup offers the queue's own paper; the one picked there is what the queue prints
    // on.
    void printsOnThePaperPicked()
    {
        if (!noScheduler_.isEmpty())
            QSKIP(qPrintable(noScheduler_));
        const SystemPrinters printers;
        PrinterSurface surface(SaveAsPdf);
        {
            PrinterSetupDialog dialog(nullptr, printers, surface);
            dialog.findChild<QComboBox*>("cboPrinter")->setCurrentText(Queue);
            auto* paper = dialog.findChild<QComboBox*>("cboPaper");
            QCOMPARE(paper->currentText(), "US Letter"); // the queue's own
            paper->setCurrentIndex(paper->findText("US Legal"));
            emit paper->activated(paper->currentIndex()); // as a pick by the user
            dialog.accept();
        }
        QCOMPARE(surface.printerName(), Queue);
        WindowWatcher dialogs;
        dialogs.onModal = [](QWidget* dialog) { static_cast<QDialog*>(dialog)->accept(); };
        RunPrintJob(nullptr, pictures_.mid(0, 1), PrintSettings(), surface);
        QCOMPARE(PdfReader(queueOutput()).points(), QSizeF(612, 1008));
    }

    // The pages typed in the dialog (the album's pages offered), with the copies and the order
    // asked for: a queue makes those from the job's pages, into a file the job makes them. Page
    // numbers, copies, collation, reverse order. Each printer is used again by the next job, as
    // in the program, and a job offers all pages whatever the last one printed.
    void printsThePagesChosen()
    {
        using Row = std::tuple<QString, QString, int, bool, bool, QList<int>>;
        PrinterSurface queueSurface(Queue), pdfSurface(SaveAsPdf);
        for (const auto& [printer, pages, copies, collate, reverse, expected] :
             {Row{Queue, "2-3", 1, false, false, {1, 2}},
              Row{Queue, "1,3", 1, false, false, {0, 2}},
              Row{Queue, "1,3", 2, true, true, {2, 0, 2, 0}},
              Row{SaveAsPdf, "2-3", 2, false, false, {1, 1, 2, 2}},
              Row{SaveAsPdf, "", 2, true, true, {2, 1, 0, 2, 1, 0}},
              Row{SaveAsPdf, "3", 1, false, false, {2}}}) {
            const bool throughCups = printer == Queue;
            if (throughCups && !noScheduler_.isEmpty())
                continue;
            PrintSettings s; // one picture a page: three pages
            s.PictureMaxWidth = 6;
            s.PictureMaxHeight = 8;
            const QString pdf = dir_.filePath(QStringLiteral("file%1.pdf").arg(++queued_));
            pdfSurface.setOutputFileName(pdf);
            WindowWatcher watcher;
            std::tuple<int, int, bool> offered; // first and last page, all of them
            watcher.onModal = [&](QWidget* window) {
                auto* dialog = qobject_cast<QPrintDialog*>(window);
                if (!dialog)
                    return;
                offered = {dialog->minPage(), dialog->maxPage(),
                           dialog->findChild<QAbstractButton*>("printAll")->isChecked()};
                if (pages.contains(',') || throughCups) { // the field a queue offers for any list
                    dialog->findChild<QAbstractButton*>("pagesRadioButton")->click();
                    dialog->findChild<QLineEdit*>("pagesLineEdit")->setText(pages);
                } else if (!pages.isEmpty()) {
                    dialog->findChild<QAbstractButton*>("printRange")->click();
                    dialog->findChild<QSpinBox*>("from")->setValue(pages.first(1).toInt());
                    dialog->findChild<QSpinBox*>("to")->setValue(pages.last(1).toInt());
                }
                dialog->findChild<QSpinBox*>("copies")->setValue(copies);
                auto* collated = dialog->findChild<QAbstractButton*>("collate");
                if (collated->isChecked() != collate)
                    collated->click();
                if (reverse)
                    dialog->findChild<QAbstractButton*>("reverse")->click();
                dialog->accept();
            };
            RunPrintJob(nullptr, pictures_, s, throughCups ? queueSurface : pdfSurface);
            QCOMPARE(watcher.messages, QStringList());
            QCOMPARE(offered, std::tuple(1, 3, true));
            QCOMPARE(pageColours(throughCups ? queueOutput() : pdf), expected);
        }
    }

    // A PDF named as a picture of the list, or as a link to one, would replace it once the pages
    // are done: the job says so and prints nothing, the picture kept; another name prints.
    void pdfNamedAsAPicture()
    {
        const QString picture = pictures_.first();
        QFile original(picture);
        QVERIFY(original.open(QIODevice::ReadOnly));
        const QByteArray bytes = original.readAll();
        const QString link = dir_.filePath("link.pdf");
        QVERIFY(QFile::link(picture, link));
        const QString fresh = dir_.filePath("fresh.pdf");
        for (const QString& name : {picture, link, fresh}) {
            PrinterSurface surface(SaveAsPdf);
            surface.setOutputFileName(name);
            WindowWatcher watcher;
            watcher.onModal = [](QWidget* dialog) { static_cast<QDialog*>(dialog)->accept(); };
            RunPrintJob(nullptr, pictures_, PrintSettings(), surface);
            QCOMPARE(watcher.messages,
                     name == fresh
                         ? QStringList()
                         : QStringList{"critical: The PDF file " + name + " is the picture " +
                                       picture + " of the print list.|Choose another file name."});
            if (name == fresh)
                QCOMPARE(pageColours(fresh).size(), 1);
            QFile kept(picture);
            QVERIFY(kept.open(QIODevice::ReadOnly));
            QCOMPARE(kept.readAll(), bytes);
        }
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
        qWarning() << pdfs.size() << "documents from the queue:" << scheduler_.log();
        return QString();
    }

    CupsScheduler scheduler_;
    QString noScheduler_ = CupsScheduler::unavailable();
    QTemporaryDir dir_;
    QStringList pictures_;
    int queued_ = 0;
};

QUENBROOK_TEST(tst_PrintJob)
#include "tst_printjob.moc"
