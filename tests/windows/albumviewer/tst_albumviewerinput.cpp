#include "support/TestMain.h"
#include "windows/albumviewer/ViewerSandbox.h"
#include "windows/albumviewer/frmAlbumViewer.h"
#include "windows/common/FilePane.h"
#include "windows/common/WindowServices.h"

#include <QAction>
#include <QDrag>
#include <QElapsedTimer>
#include <QListWidget>
#include <QProcess>
#include <QScopeGuard>
#include <QScreen>
#include <QStandardPaths>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QToolBar>

using namespace quenbrook;
using viewertest::Sandbox;

// Clicks and keys that come from the window system while the Album Viewer fills its slots, and
// drags out to another program. They go through an X server of the test's own (Xvfb) by xdotool,
// as a user's would, since only such input can be held back by the event loop, and only such a
// drag reaches another program; events posted inside the program never do either.
class tst_AlbumViewerInput : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QFAIL("needs an X display: run through ctest, which starts Xvfb");
        if (xdotool_.isEmpty())
            QFAIL("needs xdotool (scripts/install-deps.sh installs it)");
    }

    void inputDuringFill_data()
    {
        QTest::addColumn<QString>("input");
        QTest::newRow("click on Next") << "click";
        QTest::newRow("Down in the file list") << "key";
    }
    void inputDuringFill()
    {
        QFETCH(QString, input);
        Sandbox s;
        frmAlbumViewer& window = *s.window;
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.File1()->setFocus();
        const QStringList names = window.File1()->fileNames();
        QVERIFY(names.size() > frmAlbumViewer::SlotCount);

        QWidget* next =
            window.findChild<QToolBar*>("Toolbar")->widgetForAction(window.toolbarButton("Next"));
        const QPoint at = next->mapToGlobal(next->rect().center());
        QStringList loaded; // "selected row: file" at each load
        int sent = -1;      // xdotool's exit code
        s.services.loadPicture = [&](const QString& path, QSize box) {
            loaded << QString::number(window.File1()->currentRow()) + ": " +
                          QFileInfo(path).fileName();
            if (loaded.size() == 1) {
                const QStringList arguments =
                    input == "click" ? QStringList{"mousemove", QString::number(at.x()),
                                                   QString::number(at.y()), "click", "1"}
                                     : QStringList{"key", "Down"};
                sent = xdotool(arguments);
                // The X server has sent the input once xdotool is done; the program's reader
                // thread takes it in meanwhile, with no event handled here.
                QThread::msleep(300);
            }
            return PictureLoader::load(path, box);
        };
        window.File1()->setCurrentRow(0);
        QCOMPARE(sent, 0);

        // Handled after the first slot, so the fill started again from the second file.
        const QStringList expected{"0: " + names[0], "1: " + names[1], "1: " + names[2],
                                   "1: " + names[3], "1: " + names[4]};
        QCOMPARE(loaded, expected);
        for (int i = 0; i < frmAlbumViewer::SlotCount; ++i)
            QCOMPARE(window.SlotFile(i), s.path(names[1 + i]));
    }

    void dragOut_data()
    {
        QTest::addColumn<QString>("source");
        QTest::newRow("slot") << "picViewer";
        QTest::newRow("file list") << "File1";
    }
    // A picture dragged onto another program's window reaches it as a file drop. That program
    // reads the file list from this one after the drag has ended here, so the drag must still
    // hold its data then.
    void dragOut()
    {
        QFETCH(QString, source);
        Sandbox s;
        frmAlbumViewer& window = *s.window;
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.File1()->setCurrentRow(0);
        QTRY_VERIFY(window.SlotLoaded(frmAlbumViewer::SlotCount - 1));

        QWidget* from = window.picViewer(0);
        QPoint at = from->rect().center();
        QString file = window.SlotFile(0);
        if (source == "File1") {
            from = window.File1()->viewport();
            at = window.File1()->visualItemRect(window.File1()->item(0)).center();
            file = s.path(window.File1()->item(0)->text());
        }
        const QPoint start = from->mapToGlobal(at);
        const QRect screen = window.screen()->geometry();
        const QRect place(screen.right() - 300, screen.top() + 40, 260, 260);
        QVERIFY(!place.contains(start));

        QProcess target;
        QStringList lines; // whole lines the target printed
        connect(&target, &QProcess::readyReadStandardOutput, &target, [&] {
            while (target.canReadLine())
                lines << QString::fromLocal8Bit(target.readLine()).chopped(1);
        });
        target.start(QUENBROOK_DROP_TARGET,
                     {QString::number(place.x()), QString::number(place.y()),
                      QString::number(place.width()), QString::number(place.height())});
        QTRY_VERIFY_WITH_TIMEOUT(lines.contains("ready"), 30000);

        // The press and the moves after it start the drag; the drag's own event loop then runs
        // until the button is released, so the rest is sent from a timer inside that loop: the
        // pointer goes on moving a little until the drag has started (a list starts it on its
        // second move, and the moves may reach the program as one), then goes to the target,
        // and the button is released once the target has accepted the drag (or after 30 s,
        // which ends the drag refused).
        QCOMPARE(
            xdotool({"mousemove", "--sync", QString::number(start.x()), QString::number(start.y()),
                     "mousedown", "1", "mousemove_relative", "--sync", "30", "30"}),
            0);
        bool started = false, accepted = false, released = false;
        const auto release = qScopeGuard([&] {
            if (!released)
                xdotool({"mouseup", "1"});
            target.kill();
            target.waitForFinished();
        });
        int moves = 0;
        QElapsedTimer since;
        QTimer driver;
        connect(&driver, &QTimer::timeout, &driver, [&] {
            if (!started) {
                auto* drag = window.findChild<QDrag*>();
                if (!drag && moves < 100) {
                    const QString step = ++moves % 2 ? "2" : "-2";
                    xdotool({"mousemove_relative", "--", step, step});
                } else if (drag) {
                    started = true;
                    since.start();
                    connect(drag, &QDrag::actionChanged, &driver,
                            [&](Qt::DropAction action) { accepted |= action == Qt::CopyAction; });
                    xdotool({"mousemove", QString::number(place.center().x()),
                             QString::number(place.center().y())});
                }
            } else if (accepted || since.hasExpired(30000)) {
                released = xdotool({"mouseup", "1"}) == 0;
                driver.stop();
            }
        });
        driver.start(20);
        QTRY_VERIFY_WITH_TIMEOUT(released, 60000);
        QVERIFY(accepted);
        QTRY_VERIFY_WITH_TIMEOUT(lines.size() > 1, 30000);
        QCOMPARE(lines, QStringList({"ready", "dropped\t" + file}));
    }

private:
    int xdotool(const QStringList& arguments) const
    {
        return QProcess::execute(xdotool_, arguments);
    }

    QString xdotool_ = QStandardPaths::findExecutable("xdotool");
};

QUENBROOK_TEST(tst_AlbumViewerInput)
#include "tst_albumviewerinput.moc"
