// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/startup/CommandLine.h"
#include "core/startup/LocalHandOff.h"
#include "support/ProgramRunner.h"
#include "support/TestMain.h"

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
    // From a terminal without any display, a later start still hands its commands over to the
    // running instance (this test): the files a file manager passes together one by one, in the
    // order it gave them. Where the socket lives is LocalHandOff's rule (tst_start).
    void handsOverWithoutDisplay()
    {
        QTemporaryDir runtime;
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
        LocalHandOff running;
        QVERIFY(!running.PrevInstance());
        QStringList received, expected;
        running.LoadServer([&](const QString& text) { received << text; });
        const QStringList files{"/p/b.jpg", "/p/a.jpg", "/p/c.jpg"};
        const ProgramRun later =
            run(QStringList{FileManagerMark, "/AddAlbumPrinterList"} + files, runtime.path());
        QCOMPARE(later.status, 0);
        QVERIFY2(!later.err.contains("platform plugin"), "the later start tried to open a display");
        for (const QString& file : files)
            expected << FileManagerMark + " /AddAlbumPrinterList " + file;
        QTRY_COMPARE(received, expected);
    }

    // The first start with nothing to show its windows on says so and leaves no lock behind,
    // whether a platform was named or not.
    void firstStartWithoutDisplay()
    {
        for (const QString platform : {"", "xcb"}) {
            QTemporaryDir runtime;
            const ProgramRun first = run(
                {}, runtime.path(),
                {"XDG_RUNTIME_DIR=" + runtime.path(),
                 platform.isEmpty() ? "HOME=" + runtime.path() : "QT_QPA_PLATFORM=" + platform});
            QVERIFY(first.status > 0);
            QVERIFY2(first.err.contains("graphical display") &&
                         first.err.contains("WAYLAND_DISPLAY"),
                     first.err.constData());
            QCOMPARE(QDir(runtime.path())
                         .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
                     QStringList());
        }
    }
};

QUENBROOK_TEST(tst_Program)
#include "tst_program.moc"
