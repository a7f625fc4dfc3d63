#include "core/startup/LocalHandOff.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace quenbrook;

// The quenbrook program as a later start: this test is the running instance.
class tst_Program : public QObject
{
    Q_OBJECT
private slots:
    // From a terminal without any display, a later start still hands its command over.
    void handsOverWithoutDisplay()
    {
        QTemporaryDir runtime;
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
        LocalHandOff running;
        QVERIFY(!running.PrevInstance());
        QStringList received;
        running.LoadServer([&](const QString& text) { received << text; });

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* display : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(display));
        environment.insert("HOME", runtime.path());
        QProcess later;
        later.setProcessEnvironment(environment);
        later.start(QUENBROOK_PROGRAM, {"/AddAlbumPrinterList", "/photos/beach.jpg"});
        QVERIFY(QTest::qWaitFor([&] { return later.state() == QProcess::NotRunning; }, 30000));
        QCOMPARE(later.exitStatus(), QProcess::NormalExit);
        QCOMPARE(later.exitCode(), 0);
        QTRY_COMPARE(received, QStringList{"/AddAlbumPrinterList /photos/beach.jpg"});
        QVERIFY2(!later.readAllStandardError().contains("platform plugin"),
                 "the later start tried to open a display");
    }
};

QTEST_GUILESS_MAIN(tst_Program)
#include "tst_program.moc"
