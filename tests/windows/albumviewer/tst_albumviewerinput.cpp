#include "support/TestMain.h"
#include "windows/albumviewer/ViewerSandbox.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QThread>
#include <QToolBar>

using namespace quenbrook;
using viewertest::Sandbox;

// Clicks and keys that come from the window system while the Album Viewer fills its slots. They go
// through an X server of the test's own (Xvfb) by xdotool, as a user's would, since only such
// input can be held back by the event loop; events posted inside the program never are.
class tst_AlbumViewerInput : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(QGuiApplication::platformName() == QLatin1String("xcb") && !xdotool_.isEmpty(),
                 "needs an X display (ctest starts Xvfb) and xdotool (scripts/install-deps.sh)");
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
                sent = QProcess::execute(xdotool_, arguments);
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

private:
    QString xdotool_ = QStandardPaths::findExecutable("xdotool");
};

QUENBROOK_TEST(tst_AlbumViewerInput)
#include "tst_albumviewerinput.moc"
