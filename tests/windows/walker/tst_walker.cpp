#include "core/album/PrintSettingsLoader.h"
#include "print/PrinterSurface.h"
#include "support/Golden.h"
#include "support/RecordingSurface.h"
#include "support/SettingsSandbox.h"
#include "support/TestMain.h"
#include "support/TestPrinters.h"
#include "support/WidgetDump.h"
#include "windows/about/frmAbout.h"
#include "windows/albumprinter/frmAlbumPrinter.h"
#include "windows/albumviewer/frmAlbumViewer.h"
#include "windows/common/WindowServices.h"
#include "windows/dialogs/BandDialog.h"
#include "windows/dialogs/FontDialog.h"
#include "windows/dialogs/PrinterSetupDialog.h"
#include "windows/dialogs/TabStrip.h"
#include "windows/dialogs/frmLabel.h"
#include "windows/dialogs/frmPrintSize.h"
#include "windows/imageviewer/frmImageViewer.h"
#include "windows/preview/frmPreview.h"
#include "windows/printing/frmOnPrinting.h"

#include <QImage>
#include <QTabBar>
#include <QTest>

using namespace quenbrook;

// Every window and dialog as it first shows, each compared with its dump in
// tests/golden/windows/: what a user sees, reads out, tabs through and can choose.
class tst_Walker : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QAccessible::setActive(true); }

    void windows_data()
    {
        QTest::addColumn<QString>("window");
        for (const char* name :
             {"album-printer", "album-viewer", "image-viewer", "preview", "about", "printing",
              "print-size", "header", "footer", "label", "font", "printer-setup"})
            QTest::newRow(name) << name;
    }
    void windows()
    {
        QFETCH(QString, window);
        testsupport::SettingsSandbox box;
        RecordingSurface recorded;
        QDir::setCurrent(box.filePath(QString()));
        const QString dir = QDir::current().canonicalPath();
        const QString picture = dir + "/beach.bmp";
        QVERIFY(QImage(640, 480, QImage::Format_RGB32).save(picture));
        TestPrinters printers({"First", "Second"});
        const std::unique_ptr<PrinterSurface> printer = printers.open("First");
        const WindowServices services{box.store, printers};
        const FontChooser noChooser = [](QWidget*, const ChosenFont&) {
            return std::optional<ChosenFont>();
        };
        PrintSettings settings;
        PrintSettingsLoader(box.store, *printer).LoadAll(settings);

        std::unique_ptr<QWidget> shown;
        if (window == "album-printer") {
            shown = std::make_unique<frmAlbumPrinter>(services, *printer);
        } else if (window == "album-viewer") {
            shown = std::make_unique<frmAlbumViewer>(services);
        } else if (window == "image-viewer") {
            auto viewer = std::make_unique<frmImageViewer>();
            viewer->setAttribute(Qt::WA_DeleteOnClose, false);
            viewer->show();
            QVERIFY(viewer->LoadImage(picture));
            shown = std::move(viewer);
        } else if (window == "preview") {
            auto preview = std::make_unique<frmPreview>(nullptr, QStringList(5, picture), settings,
                                                        *printer, box.store);
            QVERIFY(preview->Form_Load());
            shown = std::move(preview);
        } else if (window == "about") {
            shown = std::make_unique<frmAbout>(nullptr);
        } else if (window == "printing") {
            shown = std::make_unique<frmOnPrinting>(nullptr);
        } else if (window == "print-size") {
            shown = std::make_unique<frmPrintSize>(nullptr, box.store, recorded);
        } else if (window == "header") {
            shown = std::make_unique<frmHeader>(nullptr, box.store, recorded, noChooser);
        } else if (window == "footer") {
            shown = std::make_unique<frmFooter>(nullptr, box.store, recorded, noChooser);
        } else if (window == "label") {
            shown = std::make_unique<frmLabel>(nullptr, box.store, recorded, noChooser);
        } else if (window == "font") {
            shown = std::make_unique<FontDialog>(
                nullptr, ChosenFont{PrintFont{"DejaVu Sans", 10, false, true, false, false}, 0});
        } else {
            shown = std::make_unique<PrinterSetupDialog>(nullptr, printers, *printer);
        }
        shown->show();
        QVERIFY(QTest::qWaitForWindowExposed(shown.get()));
        QCoreApplication::processEvents(); // the layout pass the window posts to itself

        // A dialog with tabs is written once per tab, that tab chosen.
        QString text;
        const auto* strip = shown->findChild<TabStrip*>();
        for (int tab = 0; tab < (strip ? strip->tabBar()->count() : 1); ++tab) {
            if (strip) {
                strip->tabBar()->setCurrentIndex(tab);
                text += QStringLiteral("== tab %1\n").arg(tab);
            }
            text += testsupport::dumpWindow(*shown, dir);
        }
        QUENBROOK_COMPARE_GOLDEN("windows/" + window + ".txt", text);
    }
};

QUENBROOK_TEST(tst_Walker)
#include "tst_walker.moc"
