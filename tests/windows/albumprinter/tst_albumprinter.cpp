// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/settings/NumberRules.h"
#include "print/PrinterSurface.h"
#include "support/Golden.h"
#include "support/SettingsSandbox.h"
#include "support/TestMain.h"
#include "support/TestPrinters.h"
#include "windows/albumprinter/AlbumPrinterParts.h"
#include "windows/albumprinter/frmAlbumPrinter.h"
#include "windows/common/FilePane.h"
#include "windows/common/WindowServices.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>

using namespace quenbrook;

namespace {

// Keeps every write of the window as "section/key=value".
struct RecordingWindow final : frmAlbumPrinter
{
    using frmAlbumPrinter::frmAlbumPrinter;
    QStringList writes;
    void writeSetting(const QString& section, const QString& key, const QString& value) override
    {
        writes.append(section + '/' + key + '=' + value);
        frmAlbumPrinter::writeSetting(section, key, value);
    }
};

// A window on a store of its own, started in a folder of a few files; messages must name it.
struct Sandbox : testsupport::SettingsSandbox
{
    QTemporaryDir folder;
    QString dir = QFileInfo(folder.path()).canonicalFilePath();
    TestPrinters printers{{"First", "Second"}, "Second", {{"Second", QFont("DejaVu Serif", 13)}}};
    std::unique_ptr<PrinterSurface> printer = printers.open("First");
    WindowServices services{store, printers};
    std::unique_ptr<RecordingWindow> window;

    explicit Sandbox(const QStringList& stored = {})
    {
        for (const char* name : {"b.jpg", "a.gif", "A10.bmp", "A9.bmp", "notes.txt"})
            QFile(path(name)).open(QIODevice::WriteOnly);
        put(stored);
        QDir::setCurrent(dir);
        services.message = [this](QWidget* owner, auto, auto) { QCOMPARE(owner, window.get()); };
        window = std::make_unique<RecordingWindow>(services, *printer);
    }
    // Shown and active, to take keys, with the first complete layout done.
    bool show()
    {
        window->activateWindow();
        window->show();
        return QTest::qWaitForWindowActive(window.get()) &&
               QTest::qWaitFor([this] { return window->writes.size() >= 5; });
    }
    QString path(const QString& name) const { return dir + '/' + name; }
    template <class T = QWidget> T* child(const char* n) const { return window->findChild<T*>(n); }
    QAction* action(const char* name) const { return child<QAction>(name); }
    FileList* files() const { return child<FileList>("File1"); }
    // Clicks a button; the print list's tooltip after.
    QString click(const char* button)
    {
        QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton);
        return child<QListWidget>("lstAlbumList")->toolTip();
    }
};

} // namespace

class tst_AlbumPrinter : public QObject
{
    Q_OBJECT

private slots:
    // Each button of the print list on A, B, C with each row selected (-1: none): the list and
    // the selected row after; then the file list's Add and Add All. Then drops: only picture
    // files are taken, by the list and by the window, and always copied, whatever the modifier
    // asks.
    void printList()
    {
        Sandbox s;
        QVERIFY(s.show());
        auto* list = s.child<QListWidget>("lstAlbumList");
        FileList* files = s.files();
        QString text;
        for (const char* command : {"cmdUp", "cmdDown", "cmdRemove", "cmdRemoveAll"})
            for (int selected : {-1, 0, 1, 2}) {
                list->clear();
                for (const char* entry : {"A", "B", "C"})
                    s.window->AddToPrintList(entry);
                list->setCurrentRow(selected);
                s.click(command);
                text += QStringLiteral("%1 on %2: %3, selected %4\n")
                            .arg(command, QString::number(selected), s.window->PrintList().join(""),
                                 QString::number(list->row(list->selectedItems().value(0))));
            }
        // Add with no file chosen, Add on the fourth file, Add All.
        list->clear();
        s.click("cmdAdd");
        files->setCurrentRow(3);
        s.click("cmdAdd");
        s.click("cmdAddAll");
        text += "cmdAdd, cmdAdd on 3, cmdAddAll: " + s.window->PrintList().join(' ') + '\n';
        // An entry wider than the list stays within it, to be drawn without its start.
        s.window->AddToPrintList(QString(300, 'x') + ".jpg");
        QVERIFY(list->visualItemRect(list->item(list->count() - 1)).right() <
                list->viewport()->width());
        QUENBROOK_COMPARE_GOLDEN("windows/print-list-commands.txt", text.replace(s.dir, "<dir>"));

        list->clear();
        const QString b = s.path("b.jpg"), a = s.path("a.gif");
        const Qt::DropActions both = Qt::CopyAction | Qt::MoveAction; // offered
        QMimeData names, urls; // urls: a folder, a text file and two pictures
        names.setText(b);
        urls.setUrls({QUrl::fromLocalFile(s.dir), QUrl::fromLocalFile(s.path("notes.txt")),
                      QUrl::fromLocalFile(b), QUrl::fromLocalFile(a)});
        for (QWidget* target : {list->viewport(), static_cast<QWidget*>(s.window.get())}) {
            for (QMimeData* data : {&names, &urls}) { // refused when it brings no pictures
                const bool pictures = data == &urls;
                const Qt::DropAction action = pictures ? Qt::CopyAction : Qt::IgnoreAction;
                QDragEnterEvent enter(QPoint(5, 5), both, data, Qt::LeftButton, Qt::ShiftModifier);
                QApplication::sendEvent(target, &enter);
                QCOMPARE(std::pair(enter.isAccepted(), enter.dropAction()),
                         std::pair(pictures, action));
                QDropEvent drop(QPointF(5, 5), both, data, Qt::LeftButton, Qt::ShiftModifier);
                QApplication::sendEvent(target, &drop);
                QCOMPARE(std::pair(drop.isAccepted(),
                                   drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction),
                         std::pair(pictures, action));
            }
        }
        QCOMPARE(s.window->PrintList(), (QStringList{b, a, b, a}));
    }

    // The two lists worked with the mouse: a double click on a file adds it; a click on an entry
    // shows its path as the list's tooltip, which Remove and Remove All clear; View Image acts on
    // the list that has the focus, and on neither when the focus is elsewhere. Then their menus,
    // opened with the right button on the chosen entry and worked with the arrow keys: each item
    // does what its button does, on the list it was opened on.
    void printListByMouse()
    {
        Sandbox s;
        QVERIFY(s.show());
        auto* list = s.child<QListWidget>("lstAlbumList");
        FileList* files = s.files();
        const QString b = s.path("b.jpg"), a = s.path("a.gif");
        QSignalSpy viewed(s.window.get(), &frmAlbumPrinter::viewFileRequested);
        // A click on an entry, a second one making it a double click; the print list's tooltip
        // after.
        const auto click = [&](QListWidget* in, const QString& entry, bool twice = false) {
            const QPoint at =
                in->visualItemRect(in->findItems(entry, Qt::MatchExactly).value(0)).center();
            QTest::mouseClick(in->viewport(), Qt::LeftButton, {}, at);
            if (twice)
                QTest::mouseDClick(in->viewport(), Qt::LeftButton, {}, at);
            return list->toolTip();
        };
        click(files, "b.jpg", true);
        click(files, "a.gif", true);
        QCOMPARE(s.window->PrintList(), (QStringList{b, a}));
        QCOMPARE((QStringList{list->toolTip(), click(list, a), click(list, b)}),
                 (QStringList{"", a, b}));
        QWidget* view = s.child<QToolBar>("Toolbar")->widgetForAction(s.action("ImageViewer"));
        QTest::mouseClick(view, Qt::LeftButton);
        click(files, "a.gif");
        QTest::mouseClick(view, Qt::LeftButton);
        s.child("Dir1")->setFocus();
        QTest::mouseClick(view, Qt::LeftButton);
        QCOMPARE(viewed, (QList<QVariantList>{{b}, {a}}));
        // Remove with nothing chosen keeps the tooltip; with an entry chosen it clears it. (A
        // single click on a file above added nothing, or the list would not be b alone.)
        list->clearSelection();
        QStringList tips{s.click("cmdRemove"), click(list, a), s.click("cmdRemove")};
        QCOMPARE(s.window->PrintList(), QStringList{b});
        tips << click(list, b) << s.click("cmdRemoveAll");
        QCOMPARE(tips, (QStringList{b, a, "", b, ""}));

        // Runs the item `down` places below the top of the list's menu.
        const auto item = [&](QListWidget* on, int down) {
            // The right button on the chosen entry, through the window system.
            const QPoint at = on->viewport()->mapTo(s.window.get(),
                                                    on->visualItemRect(on->currentItem()).center());
            QTest::mouseClick(s.window->windowHandle(), Qt::RightButton, {}, at);
            QWidget* popup = QApplication::activePopupWidget();
            if (!popup || popup->objectName() != (on == list ? "mnupopup1" : "mnupopup2"))
                return false;
            for (int i = 0; i <= down; ++i)
                QTest::keyClick(popup, Qt::Key_Down);
            QTest::keyClick(popup, Qt::Key_Return);
            return !QApplication::activePopupWidget();
        };
        QStringList all = files->fileNames();
        files->setCurrentRow(int(all.indexOf("b.jpg")));
        QVERIFY(item(files, 1) && item(files, 0) && item(files, 2)); // Add, View File, Add All
        all.replaceInStrings(QRegularExpression("^"), s.dir + '/');
        QCOMPARE(s.window->PrintList(), QStringList{b} + all);
        QCOMPARE(viewed, (QList<QVariantList>{{b}, {a}, {b}}));
        list->setCurrentRow(2);
        QVERIFY(item(list, 1) && item(list, 2) && item(list, 2)); // up, down, down
        QCOMPARE(s.window->PrintList().mid(0, 4), (QStringList{b, all[0], all[2], all[1]}));
        QVERIFY(item(list, 0)); // View File
        QCOMPARE(viewed.last(), QVariantList{all[1]});
        QVERIFY(item(list, 3)); // Remove
        QCOMPARE(s.window->PrintList(), (QStringList{b, all[0], all[2]} + all.mid(3)));
        QVERIFY(item(list, 4)); // Remove All
        QCOMPARE(s.window->PrintList(), QStringList());
    }

    // The file pane: the filter buttons released and pressed again give the file list's pattern,
    // state and files. The drive list starts at the root folder, then lists the others by name;
    // a folder is on the longest drive it lies in, that drive's own folder included. A drive
    // that cannot be read puts the drive list back on the open folder's drive.
    void filePane()
    {
        QString text;
        for (const QString clicks :
             {"", "Gif", "Bitmap Gif Jpeg Icon", "Bitmap Gif Jpeg Icon Gif"}) {
            Sandbox s;
            QVERIFY(s.show());
            for (const QString& key : clicks.split(' ', Qt::SkipEmptyParts))
                s.action(key.toLatin1())->trigger();
            text += clicks + ": " + s.files()->pattern() +
                    (s.files()->isEnabled() ? " enabled " : " disabled ") +
                    s.files()->fileNames().join(' ') + '\n';
        }
        QUENBROOK_COMPARE_GOLDEN("windows/album-printer-filter.txt", text);

        QCOMPARE(DriveOrder({"/mnt/b", "/home", "/", "/boot", "/mnt/a"}),
                 (QStringList{"/", "/boot", "/home", "/mnt/a", "/mnt/b"}));
        QCOMPARE(DriveOrder({"/a", "/"}) + DriveOrder({"/b", "/a"}) + DriveOrder({"/"}),
                 (QStringList{"/", "/a", "/a", "/b", "/"}));
        QCOMPARE(DriveList().itemText(0), "/");
        Sandbox s;
        QVERIFY(s.show());
        auto* drives = s.child<DriveList>("Drive1");
        drives->setDrives({"/media/usb", "/"});
        for (const auto& [folder, drive] : QList<std::pair<QString, int>>{
                 {"/media/usb", 0}, {"/media/usb/trip", 0}, {"/media/usb2", 1}, {"/", 1}})
            QVERIFY2(drives->indexOfDriveFor(folder) == drive, qPrintable(folder));
        drives->setDrives({"/", s.path("gone")});
        drives->setCurrentIndex(1);
        emit drives->activated(1);
        QCOMPARE(drives->currentText() + ' ' + s.child<FolderList>("Dir1")->path(), "/ " + s.dir);
    }

    // The Option menu's items and the option dialogs it opens (each accepted with one value
    // stored, as OK would): the store and the window's settings after each, in turn. Then the
    // File menu and the standard keys: Preview only with something to preview, Print, the
    // Album Viewer and About each asked for once. Last Printer Setup: it opens at the window's
    // printer; OK makes the printer chosen the one the window lays out, previews and prints on
    // (a reply taken the wrong way round fails here too). A group whose font keys are not stored
    // takes the new printer's font when next read.
    void menus()
    {
        // A resolution that is not a choice: the default.
        QCOMPARE(Sandbox({"PictureResolution=42"}).window->Settings().PictureResolution, 300);
        Sandbox s({"PictureResolution=150"});
        QString text;
        for (const QString step :
             {"mnuCm", "mnuCm", "mnuInch", "mnuCenter", "mnuPictureResolution0",
              "mnuLabel PrintLabel=FilePathName", "mnuPrintSize PictureMaxWidth=3.5",
              "mnuHeader HeaderText=Hi", "mnuFooter FooterText=Bye"}) {
            s.services.runDialog = [&](QDialog& dialog) {
                text += dialog.objectName() +
                        (dialog.parentWidget() == s.window.get() ? " " : " wrong owner ");
                s.put({step.section(' ', 1)});
                return int(QDialog::Accepted);
            };
            s.action(step.section(' ', 0, 0).toLatin1())->trigger();
            const PrintSettings& p = s.window->Settings();
            QStringList checked;
            for (const char* item : {"mnuInch", "mnuCm", "mnuCenter", "mnuPictureResolution0",
                                     "mnuPictureResolution150", "mnuPictureResolution300"})
                checked << (s.action(item)->isChecked() ? item + 3 : "");
            text += QStringLiteral("%1: %2 | %3 | label %4, width %5, centre %6, ppi %7, %8, %9\n")
                        .arg(step, s.all().join(' '), checked.join(' '))
                        .arg(QString::number(int(p.PrintLabel)), NumberText(p.PictureMaxWidth),
                             QString::number(p.Center), QString::number(p.PictureResolution),
                             p.Header.Text, p.Footer.Text);
        }
        QUENBROOK_COMPARE_GOLDEN("windows/album-printer-options.txt", text);

        QVERIFY(s.show());
        QSignalSpy preview(s.window.get(), &frmAlbumPrinter::previewRequested),
            print(s.window.get(), &frmAlbumPrinter::printRequested),
            viewer(s.window.get(), &frmAlbumPrinter::albumViewerRequested),
            about(s.window.get(), &frmAlbumPrinter::aboutRequested);
        const auto fileMenu = [&](Qt::Key key) {
            QTest::keyClick(s.window.get(), Qt::Key_F, Qt::AltModifier);
            QWidget* menu = QApplication::activePopupWidget();
            menu ? QTest::keyClick(menu, key) : void();
            return menu && !QApplication::activePopupWidget();
        };
        QVERIFY(fileMenu(Qt::Key_R)); // nothing to preview: counted below
        s.window->AddToPrintList(s.path("b.jpg"));
        QVERIFY(fileMenu(Qt::Key_R) && fileMenu(Qt::Key_P) && fileMenu(Qt::Key_V));
        QTest::keySequence(s.window.get(), QKeySequence::Print);
        QTest::keySequence(s.window.get(), QKeySequence::HelpContents);
        QCOMPARE((QList<qsizetype>{preview.count(), print.count(), viewer.count(), about.count()}),
                 (QList<qsizetype>{1, 2, 1, 1}));

        Sandbox fonts({"HeaderFontName=DejaVu Sans Mono", "HeaderFontSize=11"});
        QVERIFY(fonts.window->Settings().Footer.Font.Name != "DejaVu Serif");
        QString opened;
        fonts.services.runDialog = [&](QDialog& dialog) {
            QTimer::singleShot(0, [&] {
                auto* printers = dialog.findChild<QComboBox*>("cboPrinter");
                opened += dialog.windowTitle() + ": " + printers->currentText();
                printers->setCurrentIndex(printers->findText("Second"));
                dialog.findChild<QPushButton*>("cmdOk")->click();
            });
            return dialog.exec();
        };
        fonts.action("mnuPrinterSetup")->trigger();
        // No error after it.
        QCOMPARE(opened + ", " + fonts.printer->printerName() + fonts.printer->error(),
                 "Printer Setup: First, Second");
        fonts.services.runDialog = [](QDialog&) { return int(QDialog::Rejected); };
        fonts.action("mnuFooter")->trigger();
        fonts.action("mnuHeader")->trigger();
        const auto font = [](const PrintFont& f) { return f.Name + ' ' + NumberText(f.Size); };
        QCOMPARE(font(fonts.window->Settings().Footer.Font) + ", " +
                     font(fonts.window->Settings().Header.Font),
                 "DejaVu Serif 13, DejaVu Sans Mono 11");
    }

    // The placement read at start-up, kept to the screen and the window and written back, in
    // order; then the splitter dragged inside and past its limits. Then Close, Exit and a
    // minimised last window: what is written, whether the program ends.
    void placementAndClosing()
    {
        QString text;
        for (const QString stored :
             {"", "Left=1500|Top=750|Width=9000|Height=6000|SplitterLeft=5000",
              "Width=6000|SplitterLeft=5000",
              "Left=1e30|Top=-0|Width=1e30|Height=NaN|SplitterLeft=1e30"}) {
            Sandbox s(stored.split('|', Qt::SkipEmptyParts));
            QVERIFY(s.show());
            text += stored + ": " + s.window->writes.mid(0, 5).join(' ') + '\n';
        }
        for (int pointerX : {50, -250, 700}) { // pixels from the grab area's left edge
            Sandbox s({"Width=12000"});
            QVERIFY(s.show());
            auto* grip = s.child("imgSplitter");
            QTest::mousePress(grip, Qt::LeftButton, {}, QPoint(1, 20));
            QTest::mouseMove(grip, QPoint(pointerX, 20));
            const int dragged = s.child("picSplitter")->x();
            QTest::mouseRelease(grip, Qt::LeftButton, {}, QPoint(pointerX, 20));
            text += QStringLiteral("drag to %1: bar at %2, ").arg(pointerX).arg(dragged) +
                    s.window->writes.last() +
                    QStringLiteral(", list at %1\n").arg(s.child("lstAlbumList")->x());
        }
        QUENBROOK_COMPARE_GOLDEN("windows/album-printer-placement.txt", text);

        text.clear();
        for (const QString row : {"close shown", "mnuClose", "minimise", "mnuExit shown"}) {
            Sandbox s({"Left=1500", "Top=750"});
            int ends = 0;
            s.services.ending.setOtherWindowVisible([&](const QWidget& window) {
                return &window == s.window.get() && row.endsWith("shown");
            });
            s.services.ending.setEndProgram([&] { ++ends; });
            QVERIFY(s.show());
            if (row == "minimise")
                s.window->showMinimized();
            QTRY_VERIFY(s.window->isMinimized() == (row == "minimise"));
            s.window->writes.clear();
            row.startsWith("mnu") ? s.action(row.section(' ', 0, 0).toLatin1())->trigger()
                                  : void(s.window->close());
            text += QStringLiteral("%1: ends %2, %3, %4\n")
                        .arg(row, QString::number(ends), s.window->isHidden() ? "hidden" : "shown",
                             s.window->writes.join(' '));
        }
        QUENBROOK_COMPARE_GOLDEN("windows/album-printer-closing.txt", text);
    }
};

QUENBROOK_TEST(tst_AlbumPrinter)
#include "tst_albumprinter.moc"
