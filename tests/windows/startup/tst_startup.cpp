#include "support/TestMain.h"
#include "core/program/ProgramKeys.h"
#include "core/program/ProgramMessages.h"
#include "core/settings/SettingsStore.h"
#include "core/startup/HandOff.h"
#include "print/Printers.h"
#include "support/TestPrinters.h"
#include "windows/albumprinter/frmAlbumPrinter.h"
#include "windows/albumviewer/frmAlbumViewer.h"
#include "windows/imageviewer/frmImageViewer.h"
#include "windows/startup/mQuenbrook.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace quenbrook;

namespace {

const QString App = QStringLiteral("Quenbrook");
const QString Folder = QStringLiteral("/opt/quenbrook");

class FakeHandOff : public HandOff
{
public:
    bool running = false;
    QStringList sent;
    CommandHandler handler;

    bool PrevInstance() override { return running; }
    void SendCommand(const QString& text) override { sent << text; }
    void LoadServer(CommandHandler run) override { handler = std::move(run); }
};

// One start of the program on its own store, with a chosen number of printers.
struct Start
{
    explicit Start(const QString& storeFolder, int printerCount = 1, bool running = false)
        : store(storeFolder)
        , printers(printerCount ? QStringList{QStringLiteral("Test")} : QStringList{})
    {
        handOff.running = running;
        WindowServices& services = program.Windows().Services();
        services.message = [this](QWidget*, const QString& text, MessageIcon icon) {
            said << text;
            QCOMPARE(icon, MessageIcon::Information);
        };
        services.ending.setEndProgram([this] { ++ended; });
    }

    QString setting(const QString& section, const QString& key)
    {
        return store.GetSetting(App, section, key, QStringLiteral("<none>"));
    }
    bool printerShown() { return program.Windows().isAlbumPrinterVisible(); }
    bool viewerShown() { return program.Windows().isAlbumViewerVisible(); }
    QStringList printList() { return program.Windows().AlbumPrinter().PrintList(); }
    qsizetype imageViewers() { return program.Windows().ImageViewers().size(); }

    SettingsStore store;
    TestPrinters printers;
    FakeHandOff handOff;
    int registered = 0;
    QStringList said;
    int ended = 0;
    mQuenbrook program{store, printers, handOff, [this] { ++registered; }, Folder};
};

QString sample(const char* name)
{
    return QDir(QStringLiteral(QUENBROOK_SAMPLES_DIR)).filePath(QString::fromLatin1(name));
}

QString add(const QString& path)
{
    return QStringLiteral("/AddAlbumPrinterList \"%1\"").arg(path);
}

QString view(const QString& path)
{
    return QStringLiteral("/ViewImage \"%1\"").arg(path);
}

} // namespace

class tst_Startup : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(dir_.isValid()); }
    void cleanup() { QDir(dir_.path()).removeRecursively(); }

    void laterStartHandsOver()
    {
        Start start(dir_.path(), 1, true);
        QVERIFY(!start.program.Main(view(sample("Beach.jpg"))));
        QCOMPARE(start.handOff.sent, QStringList{view(sample("Beach.jpg"))});
        QVERIFY(!start.handOff.handler);
        QCOMPARE(start.registered, 0);
        QVERIFY(!start.printerShown() && !start.viewerShown());
        QCOMPARE(start.imageViewers(), 0);
        QCOMPARE(start.setting(ProgramKeys::Section, ProgramKeys::Path), QStringLiteral("<none>"));
    }

    void firstWindow_data()
    {
        QTest::addColumn<int>("printers");
        QTest::addColumn<QString>("stored"); // null: never stored
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("printerWindow");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("fresh store") << 1 << QString() << "" << true << QStringList();
        QTest::newRow("fresh store, no printer")
            << 0 << QString() << "" << false << QStringList{ProgramMessages::OnlyAlbumViewer()};
        QTest::newRow("viewer closed last") << 1 << "AlbumViewer"
                                            << "" << false << QStringList();
        QTest::newRow("garbage") << 1 << "albumprinter"
                                 << "" << false << QStringList();
        QTest::newRow("lower-case switch is no command")
            << 1 << QString() << "/viewimage x.jpg" << true << QStringList();
    }
    void firstWindow()
    {
        QFETCH(int, printers);
        QFETCH(QString, stored);
        QFETCH(QString, command);
        QFETCH(bool, printerWindow);
        QFETCH(QStringList, messages);
        Start start(dir_.path(), printers);
        if (!stored.isNull())
            start.store.SaveSetting(App, ProgramKeys::Section, ProgramKeys::Start, stored);
        QVERIFY(start.program.Main(command));
        QVERIFY(start.handOff.handler);
        QCOMPARE(start.registered, 1);
        QCOMPARE(start.setting(ProgramKeys::Section, ProgramKeys::Path), Folder);
        QCOMPARE(start.printerShown(), printerWindow);
        QCOMPARE(start.viewerShown(), !printerWindow);
        QCOMPARE(start.said, messages);
        QCOMPARE(start.imageViewers(), 0);
    }

    // The switches at start-up: an add always shows the Album Printer; a failed view ends.
    void commandAtStart()
    {
        QTemporaryDir files;
        QFile notPicture(files.filePath(QStringLiteral("notes.jpg.txt")));
        QVERIFY(notPicture.open(QIODevice::WriteOnly));
        {
            Start start(dir_.path(), 0);
            QVERIFY(!start.program.Main(add(sample("Beach.jpg"))));
            QCOMPARE(start.said, QStringList{ProgramMessages::QuenbrookStops()});
            QVERIFY(!start.printerShown() && !start.viewerShown());
        }
        {
            Start start(dir_.path());
            start.store.SaveSetting(App, ProgramKeys::Section, ProgramKeys::Start,
                                    ProgramKeys::StartAlbumViewer);
            QVERIFY(start.program.Main(QStringLiteral("/AddAlbumPrinterList  ") +
                                       sample("Beach.jpg") + QStringLiteral("  ")));
            QVERIFY(start.printerShown() && !start.viewerShown());
            QCOMPARE(start.printList(), QStringList{sample("Beach.jpg")});
            QVERIFY(start.said.isEmpty());
        }
        {
            Start start(dir_.path());
            QVERIFY(start.program.Main(add(notPicture.fileName())));
            QVERIFY(start.printerShown());
            QVERIFY(start.printList().isEmpty());
            QCOMPARE(start.said, QStringList{ProgramMessages::CantOpenFile()});
        }
        {
            Start start(dir_.path());
            QVERIFY(start.program.Main(view(sample("portrait.gif"))));
            QVERIFY(start.viewerShown()); // "Start" still says the Album Viewer
            QCOMPARE(start.imageViewers(), 1);
            QVERIFY(start.said.isEmpty());
        }
        {
            Start start(dir_.path());
            QVERIFY(!start.program.Main(view(notPicture.fileName())));
            QCOMPARE(start.said, QStringList{ProgramMessages::CantOpenFile()});
            QCOMPARE(start.imageViewers(), 0);
        }
    }

    // Commands from later starts, as the running instance receives them.
    void handedOverCommands()
    {
        Start start(dir_.path());
        start.store.SaveSetting(App, ProgramKeys::Section, ProgramKeys::Start,
                                ProgramKeys::StartAlbumViewer);
        QVERIFY(start.program.Main(QString()));
        QVERIFY(start.viewerShown() && !start.printerShown());

        start.handOff.handler(QString());
        QVERIFY(!start.printerShown());
        QVERIFY(start.said.isEmpty());

        // One start, one file: several starts add theirs in the order they come, twice if twice.
        for (const char* name : {"Beach.jpg", "portrait.gif", "Beach.jpg"})
            start.handOff.handler(add(sample(name)));
        QVERIFY(start.printerShown() && start.viewerShown());
        const QStringList added{sample("Beach.jpg"), sample("portrait.gif"), sample("Beach.jpg")};
        QCOMPARE(start.printList(), added);

        start.handOff.handler(view(sample("Beach.jpg")));
        start.handOff.handler(view(sample("portrait.gif")));
        QCOMPARE(start.imageViewers(), 2);

        start.handOff.handler(add(sample("missing.jpg")));
        // A relative path is not looked up in this instance's folder, even where it names a file.
        QVERIFY(QDir::setCurrent(QStringLiteral(QUENBROOK_SAMPLES_DIR)));
        start.handOff.handler(add(QStringLiteral("Beach.jpg")));
        QVERIFY(QDir::setCurrent(QDir::tempPath()));
        QCOMPARE(start.said, QStringList(2, ProgramMessages::CantOpenFile()));
        QCOMPARE(start.ended, 0);
        start.handOff.handler(view(sample("missing.jpg")));
        QCOMPARE(start.said, QStringList(3, ProgramMessages::CantOpenFile()));
        QCOMPARE(start.ended, 1);
        QCOMPARE(start.printList(), added);

        Start noPrinter(dir_.path(), 0);
        QVERIFY(noPrinter.program.Main(QString()));
        noPrinter.said.clear();
        noPrinter.handOff.handler(add(sample("Beach.jpg")));
        QCOMPARE(noPrinter.said,
                 (QStringList{ProgramMessages::QuenbrookStops(), ProgramMessages::CantOpenFile()}));
        // The windows speak through the same message function.
        trigger(noPrinter.program.Windows().AlbumViewer(), QStringLiteral("Album &Printer"));
        QCOMPARE(noPrinter.said.last(), ProgramMessages::OnlyAlbumViewer());
        QVERIFY(!noPrinter.printerShown());
    }

    // Closing a main window while the other is shown hides it; closing the last one remembers it
    // and ends; Exit remembers the window and nothing else.
    void ending()
    {
        {
            Start start(dir_.path());
            QVERIFY(start.program.Main(QString()));
            start.program.Windows().ShowAlbumViewer();
            QVERIFY(!start.program.Windows().AlbumViewer().close());
            QVERIFY(!start.viewerShown() && start.printerShown());
            QCOMPARE(start.ended, 0);
            QCOMPARE(start.setting(ProgramKeys::Section, ProgramKeys::Start),
                     QStringLiteral("<none>"));

            start.program.Windows().AlbumPrinter().move(120, 90);
            QVERIFY(start.program.Windows().AlbumPrinter().close());
            QCOMPARE(start.ended, 1);
            QCOMPARE(start.setting(ProgramKeys::Section, ProgramKeys::Start),
                     ProgramKeys::StartAlbumPrinter);
            QCOMPARE(start.setting(QStringLiteral("AlbumPrinter"), QStringLiteral("Left")),
                     QStringLiteral("1800"));
        }
        {
            Start start(dir_.path());
            QVERIFY(start.program.Main(QString()));
            start.program.Windows().ShowAlbumViewer();
            QFile file(start.store.fileName(App));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray before = file.readAll();
            file.close();
            trigger(start.program.Windows().AlbumViewer(), QStringLiteral("E&xit"));
            QCOMPARE(start.ended, 1);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(),
                     QByteArray(before).replace("Start=AlbumPrinter", "Start=AlbumViewer"));
        }
        Start next(dir_.path());
        QVERIFY(next.program.Main(QString()));
        QVERIFY(next.viewerShown() && !next.printerShown());
    }

private:
    static void trigger(QWidget& window, const QString& text)
    {
        for (QAction* action : window.findChildren<QAction*>()) {
            if (action->text() == text) {
                action->trigger();
                return;
            }
        }
        QFAIL(qPrintable(QStringLiteral("no action ") + text));
    }

    QTemporaryDir dir_;
};

QUENBROOK_TEST(tst_Startup)
#include "tst_startup.moc"
