// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/album/PreviewSurface.h"
#include "print/PrinterSurface.h"
#include "print/Printers.h"
#include "support/TestData.h"
#include "support/TestMain.h"
#include "support/TestPrinters.h"

#include <QDir>
#include <QLocale>
#include <QPrinter>
#include <QScopeGuard>
#include <QTest>

#include <csignal>

#include <sys/resource.h>

using namespace quenbrook;

namespace {

const QString SaveAsPdf = SaveAsPdfPrinter.toString();
const QString Sample = QString::fromUtf16(LineSample);
const TextLook Black{PrintFont{"Sans", 12}, 0, true};

} // namespace

class tst_PrinterSurface : public QObject
{
    Q_OBJECT
private slots:
    // A printer that cannot print says why; nothing is left behind, and an older file stays as
    // it was. A full disk takes files of 2048 bytes (the page's font alone takes more).
    void printerThatCannotPrint()
    {
        for (const auto& [printer, file, reason, full] :
             {std::tuple{QString("Office"), "a.pdf", "not responding", false},
              {SaveAsPdf, "", "file name", false},
              {SaveAsPdf, "no/a.pdf", "cannot be written", false},
              {QString("Office"), "", "spool file in", true}}) {
            QTemporaryDir dir;
            const bool older = QLatin1String(file) == "a.pdf";
            if (older)
                testsupport::savedFile(dir.path(), file, "last year's");
            TestPrinters printers({"Office"});
            printers.setFailing(!full);
            const auto surface = printer == SaveAsPdf ? std::make_unique<PrinterSurface>(printer)
                                                      : printers.open(printer);
            if (*file)
                surface->setOutputFileName(dir.filePath(file));
            rlimit unlimited = {};
            QVERIFY(::getrlimit(RLIMIT_FSIZE, &unlimited) == 0);
            const rlimit limit{full ? 2048 : unlimited.rlim_cur, unlimited.rlim_max};
            std::signal(SIGXFSZ, SIG_IGN);
            ::setrlimit(RLIMIT_FSIZE, &limit);
            surface->drawText("text", QPointF(), Black);
            surface->newPage();
            surface->endDoc(nullptr);
            ::setrlimit(RLIMIT_FSIZE, &unlimited);
            QVERIFY2(surface->error().contains(reason), qPrintable(surface->error()));
            // every file, spool files too
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                     older ? QStringList{"a.pdf"} : QStringList());
            QFile kept(dir.filePath(file));
            QVERIFY(!older || (kept.open(QIODevice::ReadOnly) && kept.readAll() == "last year's"));
        }
    }

    // The built-in printer's paper is the system's as libpaper finds it: PAPERSIZE, else the first
    // word outside comments of the PAPERCONF file, else the locale's. A name libpaper does not
    // know gives way to the next.
    void builtInPrinterPaper()
    {
        const QByteArray size = qgetenv("PAPERSIZE"), conf = qgetenv("PAPERCONF");
        const auto restore = qScopeGuard([&] {
            size.isNull() ? qunsetenv("PAPERSIZE") : qputenv("PAPERSIZE", size);
            conf.isNull() ? qunsetenv("PAPERCONF") : qputenv("PAPERCONF", conf);
        });
        using enum QPageSize::PageSizeId;
        const auto locale =
            QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? Letter : A4;
        QTemporaryDir dir;
        qputenv("PAPERCONF", dir.filePath("papersize").toLocal8Bit());
        const char* office = "# the office's paper\n\n   legal  # not letter\nletter\n";
        const std::tuple<const char*, const char*, QPageSize::PageSizeId> papers[] = {
            {"letter", "a5", Letter},      {"A5", "", A5},    {"  legal ", "", Legal},
            {"halfletter", "", Statement}, {"a10", "", A10},  {"B5", "", B5},
            {"a11", "", locale},           {"a", "", locale}, {"nonsense", "a5", A5},
            {"", "#a5\n", locale},         {"", "", locale},  {"", office, Legal}};
        for (const auto& [variable, written, expected] : papers) {
            qputenv("PAPERSIZE", variable);
            testsupport::savedFile(dir.path(), "papersize", written);
            PrinterSurface surface(SaveAsPdf);
            QVERIFY2(DefaultsOf(SaveAsPdf).paper.id() == expected &&
                         surface.printer().pageLayout().pageSize().id() == expected,
                     variable);
        }
    }

    // The line a text takes is as high as the surface measures it.
    void textLineHeight()
    {
        PreviewSurface surface(96, 1);
        surface.resize(21.59f, 27.94f, 0.5f, PrintUnit::Centimetre);
        const PrintFont font{"Sans", 24};
        QCOMPARE(surface.drawText(Sample, QPointF(96, 96), TextLook{font, 0, true}),
                 surface.textHeight(font, Sample));
    }
};

QUENBROOK_TEST(tst_PrinterSurface)
#include "tst_printersurface.moc"
