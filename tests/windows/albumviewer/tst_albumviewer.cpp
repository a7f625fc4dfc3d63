// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/geometry/AlbumViewerLayout.h"
#include "support/Golden.h"
#include "support/HeldLoads.h"
#include "support/TestMain.h"
#include "windows/albumviewer/ViewerSandbox.h"

#include <QDrag>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>

using namespace quenbrook;
using namespace quenbrook::AlbumViewerLayout;

using viewertest::Sandbox;

// The Album Viewer: its placement, the filling of its slots, its commands and its ending.
class tst_AlbumViewer : public QObject
{
    Q_OBJECT

private slots:
    // A picture fills its slot's width or height, from the top left corner, enlarged if small.
    void layoutArithmetic()
    {
        QCOMPARE(FitToSlotCorner({1000, 1000}, {200, 100}), QRectF(0, 0, 1000, 500));
        QCOMPARE(FitToSlotCorner({1000, 1000}, {100, 200}), QRectF(0, 0, 500, 1000));
        QCOMPARE(FitToSlotCorner({1000, 500}, {10, 10}), QRectF(0, 0, 500, 500));
        QCOMPARE(FitToSlotCorner({1000, 1000}, {0, 50}), QRectF());
        // HIMETRIC as the loader rounds it (pixels x 2540 / 96) comes back whole.
        for (int pixels : {1, 350, 400, 500, 4000})
            QCOMPARE(HimetricToPixels(int((qint64(pixels) * 2540 + 48) / 96)), pixels);
        QCOMPARE(HimetricToPixels(5079), 191); // a metafile just short of 2 inches
        QCOMPARE(HimetricToPixels(-5), 0);

        // Where each navigation button goes, for lists of every kind and every row chosen.
        QString text;
        for (int count : {0, 1, 5, 10})
            for (int selected = -1; selected < count; ++selected) {
                text += QStringLiteral("%1 files, row %2:").arg(count).arg(selected);
                for (const char* key :
                     {"First", "Prev4", "Prev", "Next", "Next4", "Last", "Information"}) {
                    const std::optional<int> to =
                        NavigationTarget(count, selected, ToolbarButtonOf(key).value());
                    text += QStringLiteral(" %1 %2").arg(key, to ? QString::number(*to) : "-");
                }
                text += '\n';
            }
        QVERIFY(!ToolbarButtonOf("Separator"));
        QUENBROOK_COMPARE_GOLDEN("windows/album-viewer-navigation.txt", text);
    }

    // The slots past the end of the list are emptied.
    void slotFill_data()
    {
        QTest::addColumn<int>("fromEnd");
        QTest::newRow("last") << 1;
        QTest::newRow("third-last") << 3;
        QTest::newRow("fourth-last") << 4;
    }
    void slotFill()
    {
        QFETCH(int, fromEnd);
        Sandbox s;
        QVERIFY(s.show());
        s.press("First"); // every slot filled before
        const QStringList names = s.window->File1()->fileNames();
        s.select(int(names.size()) - fromEnd);
        for (int i = 0; i < frmAlbumViewer::SlotCount; ++i) {
            const QString name = i < fromEnd ? names[names.size() - fromEnd + i] : QString();
            QCOMPARE(s.window->SlotLoaded(i), i < fromEnd);
            QCOMPARE(s.window->SlotFile(i), name.isEmpty() ? name : s.path(name));
            QCOMPARE(s.window->picViewer(i)->toolTip(), name);
            QCOMPARE(s.window->picViewer(i)->image().isNull(), i >= fromEnd);
        }
        // The filter leaves the slots as they are.
        const QStringList shown = s.slotFiles();
        s.press("Gif");
        QVERIFY(!s.window->File1()->pattern().contains("gif"));
        QCOMPARE(s.slotFiles(), shown);
    }

    void damagedPicture()
    {
        Sandbox s({}, QByteArray("not a picture at all\n").repeated(10));
        QVERIFY(s.show());
        s.press("First");
        QCOMPARE(s.slotFiles().value(0), "-" + s.path("x.jpg"));
        QCOMPARE(s.window->SlotSize(0), 210);
        QCOMPARE(s.window->SlotWidth(0), 0);
        QVERIFY(s.window->picViewer(0)->image().isNull());
        QCOMPARE(s.window->picViewer(0)->toolTip(), "x.jpg");
        // Nothing acts on it, and nothing breaks.
        QSignalSpy added(s.window.get(), &frmAlbumViewer::addToPrintListRequested);
        s.click(0);
        for (const char* key : {"Information", "AddToList", "ImageViewer", "Next", "Last"})
            s.press(key);
        QCOMPARE(s.highlights(), (QList<bool>{false, false, false, false}));
        QVERIFY(s.messages.isEmpty());
        QCOMPARE(added.count(), 0);
    }

    // The window answers while a picture loads: the busy pointer shows, and choosing another
    // file, another folder, resizing or closing gives the loads under way up; the slots end
    // showing the pictures of the last choice, in order, and nothing of the fills given up arrives
    // later. After a resize all four are filled again, at their new size.
    void answersWhileLoading_data()
    {
        QTest::addColumn<QString>("then");
        QTest::newRow("rows in quick succession") << "rows";
        QTest::newRow("resized") << "resized";
        QTest::newRow("another folder") << "folder";
        QTest::newRow("the filter") << "filter";
        QTest::newRow("closed") << "close";
    }
    void answersWhileLoading()
    {
        QFETCH(QString, then);
        testsupport::HeldLoads loads; // outlives the window's loads
        Sandbox s;
        QVERIFY(s.show());
        const QStringList names = s.window->File1()->fileNames();
        QVERIFY(names.size() >= 8);
        loads.hold(s.path(names[1]));
        s.services.loadPicture = loads.loader();
        QSignalSpy filled(s.window.get(), &frmAlbumViewer::slotsFilled);
        s.window->File1()->setCurrentRow(0);
        QTRY_COMPARE(loads.holding(), 1);
        // The first slot is shown while the second is held.
        QStringList expected{s.path(names[0]), "-", "-", "-"};
        QTRY_COMPARE(s.slotFiles(), expected);
        QVERIFY(s.window->filling() && QGuiApplication::overrideCursor() &&
                QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor);
        // The boxes asked for: the first fill's two, at the size before.
        const qreal ratio = s.window->picViewer(0)->devicePixelRatioF();
        QList<QSize> boxes;
        for (int i = 0; i < 2; ++i)
            boxes << s.window->picViewer(i)->contentsRect().size() * ratio;

        if (then == "rows") {
            s.window->File1()->setCurrentRow(5);
            s.window->File1()->setCurrentRow(3);
            expected = {s.path(names[3]), s.path(names[4]), s.path(names[5]), s.path(names[6])};
        } else if (then == "resized") {
            s.window->resize(s.window->width() + 150, s.window->height() + 150);
            expected = {s.path(names[0]), s.path(names[1]), s.path(names[2]), s.path(names[3])};
        } else if (then == "folder") {
            QVERIFY(s.window->Dir1()->setPath(QDir::tempPath()));
        } else if (then == "filter") {
            s.window->toolbarButton("Jpeg")->trigger();
        } else {
            s.window.reset();
            QTRY_COMPARE(loads.stopped(), QStringList{s.path(names[1])});
            QVERIFY(!QGuiApplication::overrideCursor());
            return;
        }
        QTRY_COMPARE(loads.stopped(), QStringList{s.path(names[1])});
        loads.release();
        QVERIFY(s.settle());
        QVERIFY(!QGuiApplication::overrideCursor());
        QCOMPARE(s.slotFiles(), expected);
        const bool refilled = expected.last() != "-";
        QCOMPARE(filled.count(), refilled ? 1 : 0);
        // Slots 2 and 3 of the first fill were never asked for.
        if (!refilled)
            QCOMPARE(loads.asked(), (QStringList{s.path(names[0]), s.path(names[1])}));
        for (int i = 0; i < frmAlbumViewer::SlotCount && then == "resized"; ++i) {
            boxes << s.window->picViewer(i)->contentsRect().size() * ratio;
            QCOMPARE(s.window->picViewer(i)->image().size(), boxes.last());
        }
        if (then != "rows")
            QCOMPARE(loads.boxes(), boxes);
        QVERIFY(then != "resized" || boxes.first() != boxes.last());
        QThreadPool::globalInstance()->waitForDone();
        QCoreApplication::processEvents();
        QCOMPARE(s.slotFiles(), expected);
    }

    // Kept on the screen from a stored place beyond it, at the smallest size, which the layout
    // pass stores; nothing chosen yet; narrower than three drive lists snaps back.
    void opening()
    {
        Sandbox s({"AlbumViewer/Left=1e9", "AlbumViewer/Top=750"});
        QVERIFY(s.show());
        QCOMPARE(s.window->pos(), QPoint(0, 50));
        QTRY_COMPARE(s.window->size(), QSize(507, 378));
        QTRY_COMPARE(s.get("Width"), "7605");
        QCOMPARE(s.get("Height"), "5670");
        QCOMPARE(s.window->File1()->path(), s.dir);
        QVERIFY(s.window->File1()->selectedItems().isEmpty());
        s.window->resize(300, 500);
        QTRY_COMPARE(s.window->width(), 507);
    }

    // A picture dragged from a slot or from the file list goes out as its file, to be copied.
    // The commands act on the chosen slot; a right click chooses a loaded slot and opens the menu.
    // The mouse on the slots as a user works it: a double click chooses the slot as one click
    // would and opens nothing; a press let go outside its slot, another button, or the right
    // button while the left is held choose nothing; a click on an empty slot takes the highlight
    // away but leaves the chosen slot as it was.
    void slotsByMouse()
    {
        Sandbox s;
        QVERIFY(s.show());
        QSignalSpy added(s.window.get(), &frmAlbumViewer::addToPrintListRequested);
        QSignalSpy viewed(s.window.get(), &frmAlbumViewer::viewFileRequested);
        const auto view = [&](int slot) { return s.window->picViewer(slot); };
        const auto centre = [&](int slot) { return view(slot)->rect().center(); };
        s.select(1);
        FileList* list = s.window->File1();
        const QList<std::pair<QWidget*, QPoint>> starts{
            {view(0), centre(0)}, {list->viewport(), list->visualItemRect(list->item(1)).center()}};
        for (const auto& [from, at] : starts) {
            QTest::mousePress(from, Qt::LeftButton, {}, at);
            QTest::mouseMove(from, at + QPoint(10, 10)); // a list starts the drag on the second
            QTest::mouseMove(from, at + QPoint(20, 20));
            const QDrag* drag = s.window->findChild<QDrag*>();
            QVERIFY(drag && drag->mimeData());
            QCOMPARE(drag->mimeData()->urls(),
                     QList<QUrl>{QUrl::fromLocalFile(s.window->SlotFile(0))});
            QCOMPARE(drag->supportedActions(), Qt::CopyAction);
            QTest::mouseRelease(from, Qt::LeftButton, {}, at + QPoint(20, 20));
            delete drag;
        }

        s.select(int(list->fileNames().size()) - 3); // shapes.wmf, star.ico, sunset.jpeg, empty
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

        // A right click on the empty slot hides the highlight and opens nothing; the chosen slot
        // stays, as its information tells.
        s.click(3, Qt::RightButton);
        QCOMPARE(s.highlights(), (QList<bool>{false, false, false, false}));
        QVERIFY(!s.window->mnuPopup()->isVisible());
        s.window->findChild<QAction*>("mnuPopupInformation")->trigger();
        QCOMPARE(s.messages, (QStringList{information, information}));

        // A right click on a loaded slot chooses it and opens the menu.
        s.click(1, Qt::RightButton);
        QCOMPARE(s.window->CurrentSlot(), 1);
        QCOMPARE(s.highlights(), (QList<bool>{false, true, false, false}));
        QTRY_VERIFY(s.window->mnuPopup()->isVisible());
        s.window->mnuPopup()->close();
        QSignalSpy printer(s.window.get(), &frmAlbumViewer::albumPrinterRequested);
        s.press("AlbumPrinter");
        QCOMPARE(printer.count(), 1);

        // The first slot's picture goes to the list like the others'.
        s.click(0);
        s.press("AddToList");
        QCOMPARE(added.last(), QVariantList{s.path("shapes.wmf")});

        QTest::mouseClick(view(1), Qt::LeftButton, {}, centre(1));
        QTest::mouseDClick(view(1), Qt::LeftButton, {}, centre(1));
        QTest::mouseRelease(view(1), Qt::LeftButton, {}, centre(1));
        QCOMPARE(s.window->CurrentSlot(), 1);
        QCOMPARE(s.highlights(), (QList<bool>{false, true, false, false}));
        QCOMPARE(viewed.count(), 2); // no more than before
        QVERIFY(!s.window->mnuPopup()->isVisible());

        // Let go beyond the slot's left edge and beyond its bottom edge.
        for (const QPoint outside : {QPoint(-1, 5), QPoint(5, view(0)->height())}) {
            QTest::mousePress(view(0), Qt::LeftButton, {}, QPoint(1, 1));
            QTest::mouseRelease(view(0), Qt::LeftButton, {}, outside);
        }
        QTest::mouseClick(view(0), Qt::MiddleButton, {}, centre(0));
        QTest::mousePress(view(2), Qt::LeftButton, {}, centre(2));
        QTest::mousePress(view(2), Qt::RightButton, {}, centre(2));
        QVERIFY(!s.window->mnuPopup()->isVisible());
        QTest::mouseRelease(view(2), Qt::RightButton, {}, centre(2));
        QTest::mouseRelease(view(2), Qt::LeftButton, {}, centre(2));
        QCOMPARE(s.window->CurrentSlot(), 1);
        QCOMPARE(s.highlights(), (QList<bool>{false, true, false, false}));

        // Just inside the bottom right corner is still a click.
        const QPoint corner(view(0)->width() - 1, view(0)->height() - 1);
        QTest::mouseClick(view(0), Qt::LeftButton, {}, corner);
        QCOMPARE(s.window->CurrentSlot(), 0);
        QCOMPARE(s.highlights(), (QList<bool>{true, false, false, false}));

        QTest::mouseClick(view(3), Qt::LeftButton, {}, centre(3));
        QCOMPARE(s.highlights(), (QList<bool>{false, false, false, false}));
        QCOMPARE(s.window->CurrentSlot(), 0);
    }

    // Enter or Return in the folder list opens the highlighted folder; the arrow keys only move
    // the highlight. A folder gone by the time it is opened is reported and the list stays.
    // A drive chosen with the keyboard that cannot be read stays shown, and the folder, the
    // files and the slots stay as they were, with nothing said; choosing it again tries again.
    void panesByKeys()
    {
        Sandbox s;
        QVERIFY(s.showActive());
        QVERIFY(QDir(s.dir).mkdir("gone") && QDir(s.dir).mkdir("sub"));
        QVERIFY(QFile::copy(s.path("sunset.jpeg"), s.path("sub/only.jpeg")));
        FolderList* folders = s.window->Dir1();
        FileList* files = s.window->File1();
        QVERIFY(folders->setPath(s.path("sub")) && folders->setPath(s.dir));
        s.select(0);
        const QStringList names = files->fileNames();
        const QStringList shown = s.slotFiles();
        folders->setFocus();
        QTest::keyClick(folders, Qt::Key_Down);
        QTest::keyClick(folders, Qt::Key_Down);
        QCOMPARE(folders->highlighted(), s.path("sub"));
        QCOMPARE(folders->path(), s.dir);
        QTest::keyClick(folders, Qt::Key_Return);
        QCOMPARE(folders->path(), s.path("sub"));
        QCOMPARE(files->fileNames(), QStringList{"only.jpeg"});
        QCOMPARE(s.slotFiles(), shown);

        QTest::keyClick(folders, Qt::Key_Up); // the parent, above the open folder
        QCOMPARE(folders->highlighted(), s.dir);
        QTest::keyClick(folders, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(folders->path(), s.dir);
        QCOMPARE(files->fileNames(), names);

        QVERIFY(QDir(s.dir).rmdir("gone"));
        QTest::keyClick(folders, Qt::Key_Down);
        QCOMPARE(folders->highlighted(), s.path("gone"));
        QVERIFY(s.messages.isEmpty());
        QTest::keyClick(folders, Qt::Key_Return);
        QCOMPARE(s.messages,
                 QStringList{"The folder \"" + s.path("gone") + "\" cannot be opened."});
        QCOMPARE(folders->path(), s.dir);
        QCOMPARE(s.slotFiles(), shown);

        s.messages.clear();
        DriveList* drives = s.window->Drive1();
        drives->setDrives({"/", s.path("gone")});
        drives->showDriveOf(s.dir);
        drives->setFocus();
        QTest::keyClick(drives, Qt::Key_Down);
        QCOMPARE(drives->currentText(), s.path("gone"));
        QCOMPARE(folders->path(), s.dir);
        QCOMPARE(files->fileNames(), names);
        QCOMPARE(s.slotFiles(), shown);
        QVERIFY(s.messages.isEmpty());
        // There once it can be read; the slots still show what they showed.
        QVERIFY(QDir(s.dir).mkdir("gone"));
        QTest::keyClick(drives, Qt::Key_Up);
        QCOMPARE(folders->path(), s.dir);
        QTest::keyClick(drives, Qt::Key_Down);
        QCOMPARE(folders->path(), s.path("gone"));
        QCOMPARE(files->fileNames(), QStringList());
        QCOMPARE(s.slotFiles(), shown);
        QVERIFY(s.messages.isEmpty());
    }

    // Close and Exit by their keys. Closed while the Album Printer shows, the window only hides
    // and nothing is stored; closed as the last window it is remembered for the next start, where
    // it was moved to unless minimised, and the program ends; Exit ends it in any case.
    void closingByKeys()
    {
        QString text;
        for (const QString& row : QStringList{"Close, printer shown", "Close", "Close minimised",
                                              "Exit, printer shown"}) {
            Sandbox s({"AlbumViewer/Left=1500", "AlbumViewer/Top=750"});
            int ends = 0;
            s.services.ending.setOtherWindowVisible([&](const QWidget& window) {
                return &window == s.window.get() && row.endsWith("shown");
            });
            s.services.ending.setEndProgram([&] { ++ends; });
            QVERIFY(s.showActive());
            QTRY_COMPARE(s.get("Width"), "7605");
            s.window->move(200, 100);
            QTRY_COMPARE(s.window->pos(), QPoint(200, 100));
            if (row.contains("minimised")) {
                s.window->showMinimized();
                QTRY_VERIFY(s.window->isMinimized());
            }
            QTest::keySequence(s.window.get(), row.startsWith("Exit")
                                                   ? QKeySequence(Qt::CTRL | Qt::Key_Q)
                                                   : QKeySequence(QKeySequence::Close));
            text += QStringLiteral("%1: ends %2, %3, Start=%4, at %5,%6\n")
                        .arg(row, QString::number(ends), s.window->isHidden() ? "hidden" : "shown",
                             s.get("Start", "Quenbrook"), s.get("Left"), s.get("Top"));
        }
        QCOMPARE(text, "Close, printer shown: ends 0, hidden, Start=, at 1500,750\n"
                       "Close: ends 1, hidden, Start=AlbumViewer, at 3000,1500\n"
                       "Close minimised: ends 1, hidden, Start=AlbumViewer, at 1500,750\n"
                       "Exit, printer shown: ends 1, shown, Start=AlbumViewer, at 1500,750\n");
    }
};

QUENBROOK_TEST(tst_AlbumViewer)
#include "tst_albumviewer.moc"
