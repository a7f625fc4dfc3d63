// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/pictures/Picture.h"
#include "print/PrinterSurface.h"
#include "print/Printers.h"
#include "support/CupsScheduler.h"
#include "support/PdfReader.h"
#include "support/TestMain.h"
#include "windows/dialogs/PrinterSetupDialog.h"

#include <QComboBox>
#include <QPrinter>
#include <QScopeGuard>
#include <QTest>
#include <QTranslator>

#include <cups/cups.h>

using namespace quenbrook;
using testsupport::PdfReader;

namespace {

// Letter printed to its edges, the scheduler's default; and an office printer that cannot print
// the outer 0.25 inch on the left and top nor 0.5 inch on the right and bottom of a Letter sheet.
const QString Borderless = QStringLiteral("Borderless");
const QString Office = QStringLiteral("Laser");
const QString OfficeInfo = QStringLiteral("Office laser, 2nd floor");

// A queue's surface that keeps each spooled document instead of sending it.
struct KeptSpool final : PrinterSurface
{
    using PrinterSurface::PrinterSurface;
    QString keep;
    QString deliver(const QString& spoolFile) override
    {
        QFile::remove(keep);
        return QFile::copy(spoolFile, keep) ? QString() : QStringLiteral("not kept");
    }
};

Picture blackSquare()
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::black);
    return Picture::fromImage(image, QSize(9, 9));
}

// The German name of the built-in printer, as a translation would give it.
class GermanPrinterNames final : public QTranslator
{
public:
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        return QLatin1String(context) == "Printers" && QLatin1String(source) == "Save as PDF"
                   ? QStringLiteral("Als PDF speichern")
                   : QString();
    }
};

} // namespace

// The machine's print queues through a CUPS scheduler of the test's own: their printable area,
// how Printer Setup names them, which one is the user's.
class tst_PrinterQueues : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (!noScheduler_.isEmpty())
            return;
        QString error = scheduler_.start(Borderless, {"-o", "PageSize=Letter"});
        if (error.isEmpty())
            error =
                scheduler_.addPrinter(Office, {"-P", scheduler_.letterPpd(Office, "18 36 576 774"),
                                               "-D", OfficeInfo, "-o", "PageSize=Letter"});
        QVERIFY2(error.isEmpty(), qPrintable(error));
    }
    void cleanupTestCase() { scheduler_.stop(); }

    void init()
    {
        if (!noScheduler_.isEmpty())
            QSKIP(qPrintable(noScheduler_));
    }

    // A queue's printable area is the sheet less the margins its PPD gives for that paper, lying
    // either way, and the pages are drawn from that area's corner; "Save as PDF" keeps Qt's.
    void printableAreaIsTheQueues()
    {
        if (const QString missing = PdfReader::unavailable(); !missing.isEmpty())
            QSKIP(qPrintable(missing));
        const QSizeF letter(8.5, 11);
        for (const auto& [queue, orientation, area, corner] :
             {std::tuple{Borderless, QPageLayout::Portrait, letter, QPoint(0, 0)},
              {Office, QPageLayout::Portrait, QSizeF(7.75, 10.25), QPoint(18, 18)},
              {Office, QPageLayout::Landscape, QSizeF(10.25, 7.75), QPoint(36, 18)},
              {SaveAsPdfPrinter.toString(), QPageLayout::Portrait, letter - QSizeF(20, 20) / 72.0,
               QPoint(10, 10)}}) {
            const QString row = queue + (orientation == QPageLayout::Landscape ? " landscape" : "");
            const QString pdf = dir_.filePath(row + ".pdf");
            KeptSpool surface(queue);
            surface.keep = pdf;
            surface.setOutputFileName(pdf);
            surface.printer().setPageOrientation(orientation);
            surface.printer().setPageSize(QPageSize(QPageSize::Letter));
            // in hundredths of an inch
            QCOMPARE((surface.drawableInches() * 100).toSize(), (area * 100).toSize());
            const double inch = surface.dotsPerInch();
            surface.drawPicture(blackSquare(), QRectF(0, 0, inch, inch));
            surface.endDoc(nullptr);
            QVERIFY2(surface.error().isEmpty(), qPrintable(surface.error()));
            // Where the ink of the first page lies, in points from the sheet's top-left corner.
            const QImage page = PdfReader(pdf).page(1, 72);
            QRect ink;
            for (int y = 0; y < page.height(); ++y)
                for (int x = 0; x < page.width(); ++x)
                    ink |= qGray(page.pixel(x, y)) < 128 ? QRect(x, y, 1, 1) : QRect();
            QVERIFY2((ink.topLeft() - corner).manhattanLength() <= 2 && qAbs(ink.width() - 72) <= 2,
                     qPrintable(row));
        }
        // Another queue with the same paper measures its own area.
        PrinterSurface surface(Office);
        surface.selectPrinter(Borderless);
        QCOMPARE(surface.drawableInches(), letter);
    }

    // Printer Setup names the queues as the desktop does, the built-in printer in the user's
    // language, and chooses by name whatever it shows.
    void namesAsTheDesktopShowsThem()
    {
        const SystemPrinters printers;
        GermanPrinterNames german;
        QCoreApplication::installTranslator(&german);
        const QString shownPdf = printers.shownName(SaveAsPdfPrinter.toString());
        PrinterSurface surface(Borderless);
        QStringList listed;
        for (const QString& pick : {shownPdf, OfficeInfo + " (" + Office + ")"}) {
            PrinterSetupDialog dialog(nullptr, printers, surface);
            auto* names = dialog.findChild<QComboBox*>("cboPrinter");
            listed.clear();
            for (int i = 0; i < names->count(); ++i)
                listed << names->itemText(i);
            names->setCurrentIndex(names->findText(pick));
            dialog.accept();
        }
        QCoreApplication::removeTranslator(&german);
        QCOMPARE(listed, (QStringList{Borderless, OfficeInfo + " (Laser)", "Als PDF speichern"}));
        QCOMPARE(surface.printerName(), Office);
    }

    // A document without a name of its own is titled the same in a PDF file as on a queue.
    void titledAlike()
    {
        const QString pdf = dir_.filePath("titled.pdf");
        for (const QString& printer : {SaveAsPdfPrinter.toString(), Office}) {
            PrinterSurface surface(printer);
            surface.setOutputFileName(pdf);
            surface.drawPicture(blackSquare(), QRectF(0, 0, 100, 100));
            surface.endDoc(nullptr);
            QVERIFY2(surface.error().isEmpty(), qPrintable(surface.error()));
        }
        cups_job_t* jobs = nullptr;
        // on the default connection
        const int count = cupsGetJobs2(nullptr, &jobs, qPrintable(Office), 0, CUPS_WHICHJOBS_ALL);
        const QString queued = count > 0 ? QString::fromUtf8(jobs[count - 1].title) : QString();
        cupsFreeJobs(count, jobs);
        QCOMPARE(queued, QCoreApplication::applicationName());
        if (PdfReader::unavailable().isEmpty())
            QCOMPARE(PdfReader(pdf).title(), queued);
    }

    // The user's printer is the one CUPS names for the user: LPDEST before PRINTER, then the
    // scheduler's default; a name that is no queue leaves the scheduler's.
    void theUsersPrinter()
    {
        const QByteArray printer = qgetenv("PRINTER"), lpdest = qgetenv("LPDEST");
        const auto restore = qScopeGuard([&] {
            printer.isNull() ? qunsetenv("PRINTER") : qputenv("PRINTER", printer);
            lpdest.isNull() ? qunsetenv("LPDEST") : qputenv("LPDEST", lpdest);
        });
        QStringList chosen;
        const std::pair<const char*, const char*> variables[] = {
            {"", ""}, {"Laser", ""}, {"Laser", "Borderless"}, {"", "Laser"}, {"NoSuchQueue", ""}};
        for (const auto& [printerVariable, lpdestVariable] : variables) {
            *printerVariable ? qputenv("PRINTER", printerVariable) : qunsetenv("PRINTER");
            *lpdestVariable ? qputenv("LPDEST", lpdestVariable) : qunsetenv("LPDEST");
            chosen << SystemPrinters().defaultName();
        }
        QCOMPARE(chosen, (QStringList{Borderless, Office, Borderless, Office, Borderless}));
    }

private:
    CupsScheduler scheduler_;
    const QString noScheduler_ = CupsScheduler::unavailable();
    QTemporaryDir dir_;
};

QUENBROOK_TEST(tst_PrinterQueues)
#include "tst_printerqueues.moc"
