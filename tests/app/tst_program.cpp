// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/startup/CommandLine.h"
#include "core/startup/LocalHandOff.h"
#include "support/ProgramRunner.h"
#include "support/TestMain.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace quenbrook;
using namespace testsupport;

namespace {

// The program with the session's environment less any display, with a home of its own.
ProgramRun run(const QStringList& arguments, const QString& home, const QStringList& set = {})
{
    RunOptions options;
    options.unset = QStringList{"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"};
    options.environment = QStringList{"HOME=" + home} + set;
    options.timeoutMs = 60000;
    options.serveEvents = true; // the test serves the hand-off
    return runProgram(QUENBROOK_PROGRAM, arguments, options);
}

} // namespace

// The quenbrook program as users start it.
class tst_Program : public QObject
{
    Q_OBJECT

private slots:
    // From a terminal without any display, a later start still hands its command over to the
    // running instance (this test). Where the socket lives is LocalHandOff's rule (tst_start).
    void handsOverWithoutDisplay()
    {
        QTemporaryDir runtime;
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
        LocalHandOff running;
        QVERIFY(!running.PrevInstance());
        QVERIFY(running.isServing());
        QStringList received;
        running.LoadServer([&](const QString& text) { received << text; });

        ProgramRun later = run({"/AddAlbumPrinterList", "/photos/beach.jpg"}, runtime.path());
        QCOMPARE(later.status, 0);
        QTRY_COMPARE(received, QStringList{"/AddAlbumPrinterList /photos/beach.jpg"});
        QVERIFY2(!later.err.contains("platform plugin"), "the later start tried to open a display");

        // Files a file manager passes together arrive one by one, in the order it gave them.
        received.clear();
        const QStringList files{"/p/b.jpg", "/p/a.jpg", "/p/c.jpg"};
        later = run(QStringList{FileManagerMark, "/AddAlbumPrinterList"} + files, runtime.path());
        QCOMPARE(later.status, 0);
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
        QStringList set{"XDG_RUNTIME_DIR=" + runtime.path()};
        if (!platform.isEmpty())
            set << "QT_QPA_PLATFORM=" + platform;
        const ProgramRun first = run({}, runtime.path(), set);
        QVERIFY(first.status > 0);
        const QByteArray said = first.err;
        QVERIFY2(said.contains("graphical display") && said.contains("WAYLAND_DISPLAY"),
                 said.constData());
        QCOMPARE(
            QDir(runtime.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
            QStringList());
    }

    // --help and --version answer on the terminal, with no display and without the running
    // instance hearing of them; after a switch they are its file and go to the running one.
    void helpAndVersionOnTheTerminal()
    {
        QTemporaryDir runtime;
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
        LocalHandOff running;
        QVERIFY(!running.PrevInstance());
        QStringList received;
        running.LoadServer([&](const QString& text) { received << text; });

        for (const char* help : {"--help", "-h"}) {
            const ProgramRun shown = run({help}, runtime.path());
            QCOMPARE(shown.status, 0);
            for (const char* text : {"Usage: quenbrook", "/AddAlbumPrinterList FILE",
                                     "/ViewImage FILE", "--version", "quenbrook-album"})
                QVERIFY2(shown.out.contains(text), shown.out.constData());
            QCOMPARE(shown.err, QByteArray());
        }
        const ProgramRun version = run({"--version", "--help"}, runtime.path());
        QCOMPARE(version.status, 0);
        QCOMPARE(version.out, QByteArray("quenbrook ") + QUENBROOK_VERSION + "\n");
        // "--Help" is no option: a plain start, handed to the running one.
        QCOMPARE(run({"--Help"}, runtime.path()).status, 0);
        QTRY_COMPARE(received, QStringList{"--Help"});
        received.clear();

        const ProgramRun viewed = run({"/ViewImage", "--help"}, runtime.path());
        QCOMPARE(viewed.status, 0);
        QCOMPARE(viewed.out, QByteArray());
        QTRY_COMPARE(received.size(), 1);
        QVERIFY2(received.first().startsWith("/ViewImage ") && received.first().contains("/--help"),
                 qPrintable(received.first()));
    }
};

QUENBROOK_TEST(tst_Program)
#include "tst_program.moc"
