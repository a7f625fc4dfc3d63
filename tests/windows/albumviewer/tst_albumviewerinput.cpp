// SPDX-License-Identifier: GPL-2.0-or-later
#include "support/HeldLoads.h"
#include "support/TestMain.h"
#include "windows/albumviewer/ViewerSandbox.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QToolBar>

using namespace quenbrook;
using viewertest::Sandbox;

// Clicks and keys that come from the window system while the Album Viewer fills its slots. They go
// through an X server of the test's own (Xvfb) by xdotool, as a user's would: the window takes
// them while a picture is still loading.
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
        QTest::addColumn<QStringList>("input"); // given with the pointer over Next
        QTest::newRow("click on Next") << QStringList{"click", "1"};
        QTest::newRow("Down in the file list") << QStringList{"key", "Down"};
    }
    void inputDuringFill()
    {
        QFETCH(QStringList, input);
        testsupport::HeldLoads loads; // outlives the window's loads
        Sandbox s;
        frmAlbumViewer& window = *s.window;
        QVERIFY(s.showActive());
        window.File1()->setFocus();
        const QStringList names = window.File1()->fileNames();
        QVERIFY(names.size() > frmAlbumViewer::SlotCount);

        QWidget* next =
            window.findChild<QToolBar*>("Toolbar")->widgetForAction(window.toolbarButton("Next"));
        const QPoint at = next->mapToGlobal(next->rect().center());
        // The first picture is held while the input comes in.
        loads.hold(s.path(names[0]));
        s.services.loadPicture = loads.loader();
        window.File1()->setCurrentRow(0);
        QTRY_COMPARE(loads.holding(), 1);
        const QStringList move{"mousemove", QString::number(at.x()), QString::number(at.y())};
        QCOMPARE(QProcess::execute(xdotool_, move + input), 0);

        // Taken at once: the held load is given up and the fill starts again from the second file.
        QTRY_COMPARE(loads.stopped(), QStringList{s.path(names[0])});
        QVERIFY(s.settle());
        QCOMPARE(window.File1()->currentRow(), 1);
        QStringList filled; // loaded, as slotFiles() marks the others
        for (const QString& name : names.mid(1, frmAlbumViewer::SlotCount))
            filled << s.path(name);
        QCOMPARE(s.slotFiles(), filled);
        QCOMPARE(loads.asked(), QStringList{s.path(names[0])} + filled);
    }

private:
    QString xdotool_ = QStandardPaths::findExecutable("xdotool");
};

QUENBROOK_TEST(tst_AlbumViewerInput)
#include "tst_albumviewerinput.moc"
