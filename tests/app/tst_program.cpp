#include "core/startup/CommandLine.h"
#include "core/startup/LocalHandOff.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace quenbrook;

namespace {

// The session's environment without any display, with a home of its own.
QProcessEnvironment withoutDisplay(const QString& home)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* display : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(display));
    environment.insert("HOME", home);
    return environment;
}

// Runs the program to its end; false when it did not end in time or crashed.
bool run(QProcess& program, const QStringList& arguments)
{
    program.start(QUENBROOK_PROGRAM, arguments);
    return QTest::qWaitFor([&] { return program.state() == QProcess::NotRunning; }, 60000) &&
           program.exitStatus() == QProcess::NormalExit;
}

} // namespace

// The quenbrook program as users start it.
class tst_Program : public QObject
{
    Q_OBJECT
    const QString systemTemp_ = QDir::tempPath();

private slots:
    void cleanup() { qputenv("TMPDIR", systemTemp_.toLocal8Bit()); }

    // From a terminal without any display, a later start still hands its command over to the
    // running instance (this test), with or without a runtime folder (su and sudo shells).
    void handsOverWithoutDisplay_data()
    {
        QTest::addColumn<bool>("runtimeFolder");
        QTest::newRow("runtime folder") << true;
        QTest::newRow("no runtime folder") << false;
    }

    void handsOverWithoutDisplay()
    {
        QFETCH(bool, runtimeFolder);
        QTemporaryDir runtime, temp;
        qputenv("TMPDIR", temp.path().toLocal8Bit());
        if (runtimeFolder)
            qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
        else
            qunsetenv("XDG_RUNTIME_DIR");
        LocalHandOff running;
        QVERIFY(!running.PrevInstance());
        QVERIFY(running.isServing());
        QStringList received;
        running.LoadServer([&](const QString& text) { received << text; });

        QProcess later;
        later.setProcessEnvironment(withoutDisplay(runtime.path()));
        QVERIFY(run(later, {"/AddAlbumPrinterList", "/photos/beach.jpg"}));
        QCOMPARE(later.exitCode(), 0);
        QTRY_COMPARE(received, QStringList{"/AddAlbumPrinterList /photos/beach.jpg"});
        QVERIFY2(!later.readAllStandardError().contains("platform plugin"),
                 "the later start tried to open a display");

        // Files a file manager passes together arrive one by one, in the order it gave them.
        received.clear();
        const QStringList files{"/p/b.jpg", "/p/a.jpg", "/p/c.jpg"};
        QVERIFY(run(later, QStringList{FileManagerMark, "/AddAlbumPrinterList"} + files));
        QCOMPARE(later.exitCode(), 0);
        QStringList expected;
        for (const QString& file : files)
            expected << FileManagerMark + " /AddAlbumPrinterList " + file;
        QTRY_COMPARE(received, expected);
    }

    // The first start with nothing to show its windows on says so and leaves no lock behind.
    void firstStartWithoutDisplay_data()
    {
        QTest::addColumn<QString>("platform");
        QTest::newRow("no platform named") << QString();
        QTest::newRow("X11 named") << "xcb";
    }

    void firstStartWithoutDisplay()
    {
        QFETCH(QString, platform);
        QTemporaryDir runtime;
        QProcessEnvironment environment = withoutDisplay(runtime.path());
        environment.insert("XDG_RUNTIME_DIR", runtime.path());
        if (!platform.isEmpty())
            environment.insert("QT_QPA_PLATFORM", platform);
        QProcess first;
        first.setProcessEnvironment(environment);
        QVERIFY(run(first, {}));
        QVERIFY(first.exitCode() != 0);
        const QByteArray said = first.readAllStandardError();
        QVERIFY2(said.contains("graphical display") && said.contains("WAYLAND_DISPLAY"),
                 said.constData());
        QCOMPARE(
            QDir(runtime.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
            QStringList());
    }
};

QTEST_GUILESS_MAIN(tst_Program)
#include "tst_program.moc"
