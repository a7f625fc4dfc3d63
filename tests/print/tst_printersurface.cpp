// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/album/PreviewSurface.h"
#include "core/pictures/Picture.h"
#include "print/PrinterSurface.h"
#include "print/Printers.h"
#include "support/PdfReader.h"
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
    // The paper is the paper, margins or not. An abandoned document, or one whose stop is raised
    // when it is ended, leaves no file, and an existing one as it was; the next document starts
    // afresh, and its file is in place only at the end.
    void pdfDocuments()
    {
        QTemporaryDir dir;
        const QString fresh = dir.filePath("fresh.pdf");
        QFile old(dir.filePath("old.pdf"));
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("the album of last year") > 0);
        old.close();
        PrinterSurface surface(SaveAsPdf);
        surface.printer().setPageLayout(QPageLayout(QPageSize(QPageSize::Letter),
                                                    QPageLayout::Portrait,
                                                    QMarginsF(0.5, 1, 0.25, 2), QPageLayout::Inch));
        QCOMPARE(QSizeF(surface.paperWidthTwips(), surface.paperHeightTwips()),
                 QSizeF(612, 792) * 20);
        for (const QString& target : {fresh, old.fileName()}) {
            surface.setOutputFileName(target);
            surface.drawText("page 1", QPointF(), Black);
            surface.newPage();
            surface.killDoc();
        }
        const LoadStop raised{true};
        surface.setOutputFileName(old.fileName());
        surface.drawText("page 1", QPointF(), Black);
        surface.endDoc(&raised);
        QVERIFY2(surface.error().contains("stopped"), qPrintable(surface.error()));
        QVERIFY(surface.textHeight(Black.font, Sample) > 0); // measuring starts no document
        QCOMPARE(filesIn(dir.path()), QStringList{"old.pdf"});
        QVERIFY(old.open(QIODevice::ReadOnly) && old.readAll() == "the album of last year");

        surface.setOutputFileName(fresh);
        surface.drawPicture(Picture::fromImage(QImage(64, 64, QImage::Format_RGB32), QSize(9, 9)),
                            QRectF(1200, 1200, 2400, 2400));
        surface.newPage();
        surface.drawText("second", QPointF(), Black);
        QVERIFY(!QFile::exists(fresh));
        const LoadStop lowered{false};
        surface.endDoc(&lowered);
        QCOMPARE(PdfReader(fresh).pages(), 2);
        QCOMPARE(filesIn(dir.path()), (QStringList{"fresh.pdf", "old.pdf"}));
    }

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
            QFile older(dir.filePath(file));
            if (QLatin1String(file) == "a.pdf")
                QVERIFY(older.open(QIODevice::WriteOnly) && older.write("last year's") > 0);
            older.close();
            const QStringList before = filesIn(dir.path());
            TestPrinters printers({"Office"});
            printers.setFailing(!full);
            const std::unique_ptr<PrinterSurface> surface =
                printer == SaveAsPdf ? std::make_unique<PrinterSurface>(printer)
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
            QCOMPARE(filesIn(dir.path()), before);
            QVERIFY(QLatin1String(file) != "a.pdf" ||
                    (older.open(QIODevice::ReadOnly) && older.readAll() == "last year's"));
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
        const QPageSize::PageSizeId locale =
            QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                               : QPageSize::A4;
        QTemporaryDir dir;
        const QString file = dir.filePath("papersize");
        qputenv("PAPERCONF", file.toLocal8Bit());
        using enum QPageSize::PageSizeId;
        const char* office = "# the office's paper\n\n   legal  # not letter\nletter\n";
        const std::tuple<const char*, const char*, QPageSize::PageSizeId> papers[] = {
            {"letter", "a5", Letter},      {"A5", "", A5},    {"  legal ", "", Legal},
            {"halfletter", "", Statement}, {"a10", "", A10},  {"B5", "", B5},
            {"a11", "", locale},           {"a", "", locale}, {"nonsense", "a5", A5},
            {"", "#a5\n", locale},         {"", "", locale},  {"", office, Legal}};
        for (const auto& [variable, written, expected] : papers) {
            qputenv("PAPERSIZE", variable);
            QFile out(file);
            QVERIFY(out.open(QIODevice::WriteOnly) && out.write(written) >= 0);
            out.close();
            PrinterSurface surface(SaveAsPdf);
            QVERIFY2(DefaultsOf(SaveAsPdf).paper.id() == expected &&
                         surface.printer().pageLayout().pageSize().id() == expected,
                     variable);
        }
    }

    // Text on the preview is drawn below and right of its position, one line high, the same size
    // in logical pixels with two image pixels to each, drawn with all of them.
    void previewText()
    {
        for (const int ratio : {1, 2}) {
            PreviewSurface surface(96, ratio);
            surface.resize(21.59f, 27.94f, 0.5f, PrintUnit::Centimetre);
            const TextLook look{PrintFont{"Sans", 24}, 0, true};
            const double height = surface.textHeight(look.font, Sample);
            QCOMPARE(surface.drawText(Sample, QPointF(96, 96), look), height);
            QRect ink;
            for (int y = 0; y < surface.image().height(); ++y)
                for (int x = 0; x < surface.image().width(); ++x)
                    ink |= qGray(surface.image().pixel(x, y)) < 128 ? QRect(x, y, 1, 1) : QRect();
            QVERIFY2(ink.left() >= 96 * ratio && ink.left() <= 100 * ratio &&
                         ink.top() >= 96 * ratio && ink.bottom() <= (96 + height) * ratio &&
                         ink.height() > height * ratio / 2,
                     qPrintable(QStringLiteral("ratio %1").arg(ratio)));
        }
    }
};

QUENBROOK_TEST(tst_PrinterSurface)
#include "tst_printersurface.moc"
