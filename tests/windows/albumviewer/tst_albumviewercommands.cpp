#include "support/TestMain.h"
#include "core/geometry/AlbumViewerLayout.h"
#include "windows/albumviewer/ViewerSandbox.h"
#include "windows/albumviewer/frmAlbumViewer.h"
#include "windows/common/FilePane.h"
#include "windows/common/WindowServices.h"

#include <QAction>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

using namespace quenbrook;
using namespace quenbrook::AlbumViewerLayout;
using viewertest::Sandbox;

// The Album Viewer's commands: navigation, the filter buttons, the commands on a slot, ending.
class tst_AlbumViewerCommands : public QObject
{
    Q_OBJECT

private slots:
    void navigation_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("target"); // -1: the selection stays
        QTest::newRow("7: Prev4") << 10 << 7 << "Prev4" << 3;
        QTest::newRow("2: Prev4 stops at the first") << 10 << 2 << "Prev4" << 0;
        QTest::newRow("5: Next4 to the last") << 10 << 5 << "Next4" << 9;
        QTest::newRow("6: Next4 stays") << 10 << 6 << "Next4" << -1;
        QTest::newRow("9: Next stays") << 10 << 9 << "Next" << -1;
        QTest::newRow("0: Prev stays") << 10 << 0 << "Prev" << -1;
        QTest::newRow("4: Prev") << 10 << 4 << "Prev" << 3;
        QTest::newRow("4: Last") << 10 << 4 << "Last" << 9;
        QTest::newRow("none: Next") << 10 << -1 << "Next" << 0;
        QTest::newRow("empty list: First") << 0 << -1 << "First" << -1;
        QTest::newRow("not a navigation key") << 10 << 4 << "Information" << -1;
    }
    void navigation()
    {
        QFETCH(int, count);
        QFETCH(int, selected);
        QFETCH(QString, key);
        const std::optional<ToolbarButton> button = ToolbarButtonOf(key);
        QVERIFY(button);
        QTEST(NavigationTarget(count, selected, *button).value_or(-1), "target");
        QVERIFY(!ToolbarButtonOf("Separator"));
    }

    void filter_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<int>("entries");
        QTest::newRow("all released: list disabled, kept")
            << QStringList{"Bitmap", "Gif", "Jpeg", "Icon"} << false << "*.ico;*.cur" << 2;
        QTest::newRow("then Gif again")
            << QStringList{"Bitmap", "Gif", "Jpeg", "Icon", "Gif"} << true << "*.gif" << 1;
        QTest::newRow("Bitmap and Icon")
            << QStringList{"Gif", "Jpeg"} << true << "*.bmp;*.rle;*.wmf;*.emf;*.ico;*.cur" << 6;
    }
    void filter()
    {
        QFETCH(QStringList, clicks);
        Sandbox s;
        QVERIFY(s.show());
        s.press("Last");
        const QStringList shown = s.slotFiles();
        for (const QString& key : clicks)
            s.press(key);
        QTEST(s.window->File1()->isEnabled(), "enabled");
        QTEST(s.window->File1()->pattern(), "pattern");
        QTEST(s.window->File1()->count(), "entries");
        QCOMPARE(s.slotFiles(), shown); // the slots keep their pictures
    }

    void slotCommands()
    {
        Sandbox s;
        QVERIFY(s.show());
        QSignalSpy added(s.window.get(), &frmAlbumViewer::addToPrintListRequested);
        QSignalSpy viewed(s.window.get(), &frmAlbumViewer::viewFileRequested);
        const QStringList names = s.window->File1()->fileNames();
        s.select(int(names.size()) - 3); // shapes.wmf, star.ico, sunset.jpeg, empty

        s.click(2);
        QCOMPARE(s.window->CurrentSlot(), 2);
        QCOMPARE(s.highlights(), (QList<bool>{false, false, true, false}));
        s.press("Information");
        const QString information = "File Name: " + s.path("sunset.jpeg") +
                                    "\r\nFile Size: 10516 Bytes\r\nWidth: 500 Pixels"
                                    "\r\nHeight: 350 Pixels";
        QCOMPARE(s.messages, QStringList{information});

        // Added twice, by the toolbar and by the context menu: two entries, same path.
        s.press("AddToList");
        s.window->findChild<QAction*>("mnuPopupAddtoAlbumPrintList")->trigger();
        QCOMPARE(added, (QList<QVariantList>{{s.path("sunset.jpeg")}, {s.path("sunset.jpeg")}}));
        s.press("ImageViewer");
        s.window->findChild<QAction*>("mnupopupViewFile")->trigger();
        QCOMPARE(viewed, (QList<QVariantList>{{s.path("sunset.jpeg")}, {s.path("sunset.jpeg")}}));

        // A right click on the empty slot hides the highlight and opens nothing.
        s.click(3, Qt::RightButton);
        QCOMPARE(s.highlights(), (QList<bool>{false, false, false, false}));
        QCOMPARE(s.window->CurrentSlot(), 2);
        QVERIFY(!s.window->mnuPopup()->isVisible());
        s.window->findChild<QAction*>("mnuPopupInformation")->trigger();
        QCOMPARE(s.messages, (QStringList{information, information}));

        // A right click on a loaded slot chooses it and opens the menu.
        s.click(1, Qt::RightButton);
        QCOMPARE(s.window->CurrentSlot(), 1);
        QCOMPARE(s.highlights(), (QList<bool>{false, true, false, false}));
        QTRY_VERIFY(s.window->mnuPopup()->isVisible());
        s.window->mnuPopup()->close();
    }

    void albumPrinterCommand()
    {
        for (const QStringList& printers : {QStringList{}, QStringList{"P"}}) {
            Sandbox s({}, printers);
            QSignalSpy requested(s.window.get(), &frmAlbumViewer::albumPrinterRequested);
            s.press("AlbumPrinter");
            const QString noPrinter =
                "Can't find the printer!\r\nYou may only run the Album Viewer!";
            QCOMPARE(s.messages, printers.isEmpty() ? QStringList{noPrinter} : QStringList{});
            QCOMPARE(requested.count(), printers.size());
        }
    }

    void ending_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("printerVisible");
        QTest::addColumn<QStringList>("after"); // Start, Left, Top
        QTest::addColumn<int>("ends");
        QTest::newRow("close, Album Printer visible")
            << "mnuFileClose" << true << QStringList{"x", "-1", "-1"} << 0;
        QTest::newRow("close") << "mnuFileClose" << false
                               << QStringList{"AlbumViewer", "1500", "750"} << 1;
        QTest::newRow("exit") << "mnuFileExit" << true << QStringList{"AlbumViewer", "-1", "-1"}
                              << 1;
    }
    void ending()
    {
        QFETCH(QString, command);
        QFETCH(bool, printerVisible);
        Sandbox s({"AlbumViewer/Left=1500", "AlbumViewer/Top=750"}); // 100, 50 pixels
        s.services.ending.setOtherWindowVisible(
            [&](const QWidget& window) { return &window == s.window.get() && printerVisible; });
        QVERIFY(s.show());
        // Marks that show what the command writes.
        s.store.SaveSetting("Quenbrook", "Quenbrook", "Start", "x");
        s.store.SaveSetting("Quenbrook", "AlbumViewer", "Left", "-1");
        s.store.SaveSetting("Quenbrook", "AlbumViewer", "Top", "-1");
        s.window->findChild<QAction*>(command)->trigger();
        QTEST((QStringList{s.get("Start", "Quenbrook"), s.get("Left"), s.get("Top")}), "after");
        QTEST(s.ends, "ends");
        QCOMPARE(s.window->isHidden(), command == "mnuFileClose");
    }
};

QUENBROOK_TEST(tst_AlbumViewerCommands)
#include "tst_albumviewercommands.moc"
