// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/program/ProgramKeys.h"
#include "core/settings/SettingsStore.h"
#include "core/startup/HandOff.h"
#include "support/Golden.h"
#include "support/TestData.h"
#include "support/TestMain.h"
#include "support/TestPrinters.h"
#include "windows/about/frmAbout.h"
#include "windows/albumprinter/frmAlbumPrinter.h"
#include "windows/albumviewer/frmAlbumViewer.h"
#include "windows/common/FilePane.h"
#include "windows/imageviewer/frmImageViewer.h"
#include "windows/startup/mQuenbrook.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>

using namespace quenbrook;

namespace {

const QString App = QStringLiteral("Quenbrook");
const QString Folder = QStringLiteral("/opt/quenbrook");

struct FakeHandOff : HandOff
{
    bool running = false;
    QStringList sent;
    CommandHandler handler;

    bool PrevInstance() override { return running; }
    void SendCommand(const QString& text) override { sent << text; }
    void LoadServer(CommandHandler run) override { handler = std::move(run); }
};

// One start of the program on a store of its own holding the stored start window, with a chosen
// number of printers.
struct Start
{
    explicit Start(const QString& stored = {}, int printerCount = 1, bool running = false)
        : printers(printerCount ? QStringList{QStringLiteral("Test")} : QStringList{})
    {
        handOff.running = running;
        if (!stored.isEmpty())
            store.SaveSetting(App, ProgramKeys::Section, ProgramKeys::Start, stored);
        program.Windows().Services().message = [this](auto, auto text, auto icon) {
            said << text + (icon == MessageIcon::Information ? "" : " (not information)");
        };
        program.Windows().Services().ending.setEndProgram([this] { ++ended; });
    }

    // The windows shown, the print list, the ends and the messages since the last call.
    QString state()
    {
        const auto n = [](auto number) { return QString::number(number); };
        MainWindows& windows = program.Windows();
        const QString text =
            QStringLiteral("sent [%1], %2, registered %3, path %4\nprinter %5, viewer %6, image "
                           "viewers %7, ended %8, list [%9]\nsaid: ")
                .arg(handOff.sent.join(' '), handOff.handler ? "serves" : "no server",
                     n(registered),
                     store.GetSetting(App, ProgramKeys::Section, ProgramKeys::Path, "<none>"),
                     n(windows.isAlbumPrinterVisible()), n(windows.isAlbumViewerVisible()),
                     n(windows.ImageViewers().size()), n(ended),
                     windows.AlbumPrinter().PrintList().join(' ')) +
            said.join(" | ").replace("\r\n", " / ") + '\n';
        said.clear();
        return text;
    }

    QTemporaryDir folder;
    SettingsStore store{folder.path()};
    TestPrinters printers;
    FakeHandOff handOff;
    int registered = 0;
    QStringList said;
    int ended = 0;
    mQuenbrook program{store, printers, handOff, [this] { ++registered; }, Folder};
};

using testsupport::samplePath;

const auto add = [](const QString& path) { return "/AddAlbumPrinterList \"" + path + '"'; };
const auto view = [](const QString& path) { return "/ViewImage \"" + path + '"'; };

} // namespace

class tst_Startup : public QObject
{
    Q_OBJECT

private slots:
    // Relative paths name the samples.
    void initTestCase() { QVERIFY(QDir::setCurrent(QStringLiteral(QUENBROOK_SAMPLES_DIR))); }
    void cleanupTestCase() { QVERIFY(QDir::setCurrent(QDir::tempPath())); }

    // One start each: printers, a running instance, the stored window and the command line give
    // whether the start goes on, what it handed over or registered, the windows and messages.
    void starts()
    {
        QTemporaryDir files;
        const QString notPicture = files.filePath("notes.jpg.txt");
        QVERIFY(QFile(notPicture).open(QIODevice::WriteOnly));
        const QList<std::tuple<int, bool, QString, QString>> rows{
            {1, true, "", view(samplePath("Beach.jpg"))}, // another instance runs: handed over
            {1, false, "", ""},
            {0, false, "", ""},
            {1, false, "AlbumViewer", ""},
            {1, false, "albumprinter", ""},
            {1, false, "", "/viewimage x.jpg"}, // a lower-case switch is no command
            {0, false, "", add(samplePath("Beach.jpg"))},
            {1, false, "AlbumViewer", "/AddAlbumPrinterList  " + samplePath("Beach.jpg") + "  "},
            {1, false, "", add(notPicture)},
            {1, false, "", view(samplePath("portrait.gif"))},
            {1, false, "", view(notPicture)}};
        QString text;
        for (const auto& [printers, running, stored, command] : rows) {
            Start start(stored, printers, running);
            text += QStringLiteral("== %1 printer(s)%2, Start=%3, %4\n%5, ")
                        .arg(QString::number(printers), running ? ", running" : "", stored, command,
                             start.program.Main(command) ? "goes on" : "ends");
            text += start.state(); // after the start
        }
        text.replace(QStringLiteral(QUENBROOK_SAMPLES_DIR), "<samples>")
            .replace(files.path(), "<dir>");
        QUENBROOK_COMPARE_GOLDEN("windows/starts.txt", text);
    }

    // Commands from later starts, one after another, as the running instance receives them; a
    // relative path is not looked up in this instance's folder, even where it names a file.
    void handedOverCommands()
    {
        QString text;
        for (int printers : {1, 0}) {
            Start start(ProgramKeys::StartAlbumViewer, printers);
            QVERIFY(start.program.Main(QString()));
            text += QStringLiteral("== %1 printer(s)\n").arg(printers) + start.state();
            for (const QString& command :
                 {QString(), add(samplePath("Beach.jpg")), add(samplePath("portrait.gif")),
                  add(samplePath("Beach.jpg")), view(samplePath("Beach.jpg")),
                  view(samplePath("portrait.gif")), add(samplePath("missing.jpg")),
                  add("Beach.jpg"), view(samplePath("missing.jpg"))}) {
                start.handOff.handler(command);
                text += command + ": " + start.state();
            }
            // The windows speak through the same message function.
            start.program.Windows().AlbumViewer().toolbarButton("AlbumPrinter")->trigger();
            text += "Album Printer item: " + start.state();
        }
        QUENBROOK_COMPARE_GOLDEN("windows/handed-over.txt",
                                 text.replace(QStringLiteral(QUENBROOK_SAMPLES_DIR), "<samples>"));
    }

    // The main windows' commands reach one another: a slot of the Album Viewer added twice gives
    // two entries in the print list, the Album Printer staying hidden; View Image opens a new
    // viewer each time; each main window's button shows the other. The About box speaks through
    // the program's messages.
    void windowsReachEachOther()
    {
        Start start(ProgramKeys::StartAlbumViewer);
        QVERIFY(start.program.Main(QString()));
        MainWindows& windows = start.program.Windows();
        frmAlbumViewer& viewer = windows.AlbumViewer();
        viewer.File1()->setCurrentRow(0);
        QVERIFY(QTest::qWaitFor([&] { return !viewer.filling(); }, 20000) && viewer.SlotLoaded(1));
        QTest::mouseClick(viewer.picViewer(1), Qt::LeftButton);
        const auto click = [](QWidget& window, QAction* button) {
            QTest::mouseClick(window.findChild<QToolBar*>("Toolbar")->widgetForAction(button),
                              Qt::LeftButton);
        };
        for (const char* key : {"AddToList", "AddToList", "ImageViewer", "ImageViewer"})
            click(viewer, viewer.toolbarButton(key));
        QCOMPARE(windows.AlbumPrinter().PrintList(),
                 (QStringList{viewer.SlotFile(1), viewer.SlotFile(1)}));
        QVERIFY(!windows.isAlbumPrinterVisible());
        QTRY_COMPARE(windows.ImageViewers().size(), 2);
        for (frmImageViewer* shown : windows.ImageViewers())
            shown->close();

        click(viewer, viewer.toolbarButton("AlbumPrinter"));
        QVERIFY(windows.isAlbumPrinterVisible() && windows.isAlbumViewerVisible());
        frmAlbumPrinter& printer = windows.AlbumPrinter();
        viewer.hide();
        click(printer, printer.findChild<QAction*>("AlbumViewer"));
        QVERIFY(windows.isAlbumViewerVisible());

        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(start.folder.path())); // no system-information tool
        windows.Services().runDialog = [](QDialog& about) {
            qobject_cast<frmAbout*>(&about)->cmdSysInfo()->click();
            return 0;
        };
        viewer.findChild<QAction*>("mnuAbout")->trigger();
        qputenv("PATH", path);
        QCOMPARE(start.said,
                 QStringList{"System Information Is Unavailable At This Time (not information)"});
    }

    // Preview from the Album Printer's File menu by its keys: the preview shows modal over the
    // Album Printer and Esc closes it.
    void previewOverAlbumPrinter()
    {
        Start start(ProgramKeys::StartAlbumPrinter);
        QVERIFY(start.program.Main(add(samplePath("Beach.jpg"))));
        frmAlbumPrinter& printer = start.program.Windows().AlbumPrinter();
        printer.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&printer));
        QStringList seen;
        QTimer watch;
        connect(&watch, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || modal->objectName() != "frmPreview" || !modal->isVisible())
                return;
            seen << QStringLiteral("%1, owner %2")
                        .arg(modal->windowTitle(),
                             modal->parentWidget() == &printer ? "Album Printer" : "other");
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        watch.start(10);
        QTest::keyClick(&printer, Qt::Key_F, Qt::AltModifier);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_R);
        QCOMPARE(seen, QStringList{"Preview 100%, owner Album Printer"});
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(start.said, QStringList());
    }
};

QUENBROOK_TEST(tst_Startup)
#include "tst_startup.moc"
