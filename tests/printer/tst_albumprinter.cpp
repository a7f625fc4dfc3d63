#include "album/PrinterSurface.h"
#include "platform/Printers.h"
#include "printer/AlbumPrinterParts.h"
#include "printer/FilePane.h"
#include "printer/frmAlbumPrinter.h"
#include "settings/NumberRules.h"
#include "settings/SettingsStore.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QUrl>

using namespace quenbrook;
using AlbumPrinterLayout::ToPixels;

Q_DECLARE_METATYPE(quenbrook::OptionDialog)

namespace {

// Keeps every write of the window as "section/key=value".
class RecordingWindow final : public frmAlbumPrinter
{
public:
    using frmAlbumPrinter::frmAlbumPrinter;
    QStringList writes;

protected:
    void writeSetting(const QString& section, const QString& key, const QString& value) override
    {
        writes.append(section + '/' + key + '=' + value);
        frmAlbumPrinter::writeSetting(section, key, value);
    }
};

// A window on a store of its own, started in a folder of a few files and an empty subfolder.
struct Sandbox
{
    QTemporaryDir storeDir;
    QTemporaryDir folder;
    QString dir;
    QString previousCurrent = QDir::currentPath();
    SettingsStore store{storeDir.path()};
    TestPrinters printers{{"First", "Second"}, "Second"};
    std::unique_ptr<PrinterSurface> printer = printers.open("First");
    std::unique_ptr<RecordingWindow> window;

    explicit Sandbox(const QStringList& stored = {})
    {
        dir = QFileInfo(folder.path()).canonicalFilePath();
        for (const char* name : {"b.jpg", "a.gif", "A10.bmp", "A9.bmp", "notes.txt"}) {
            QFile file(path(name));
            file.open(QIODevice::WriteOnly);
        }
        QDir(dir).mkdir("empty");
        for (const QString& entry : stored)
            store.SaveSetting("Quenbrook", "AlbumPrinter", entry.section('=', 0, 0),
                              entry.section('=', 1));
        QDir::setCurrent(dir);
        window = std::make_unique<RecordingWindow>(store, printers, *printer);
    }
    ~Sandbox()
    {
        window.reset();
        QDir::setCurrent(previousCurrent);
    }

    // Shown, with the first complete layout done.
    bool show()
    {
        window->show();
        return QTest::qWaitForWindowExposed(window.get()) &&
               QTest::qWaitFor([this] { return window->writes.size() >= 5; });
    }
    QString path(const QString& name) const { return dir + '/' + name; }
    template <class T = QWidget> T* child(const char* name) const
    {
        return window->findChild<T*>(name);
    }
    QAction* action(const char* name) const { return child<QAction>(name); }
    QListWidget* list() const { return child<QListWidget>("lstAlbumList"); }
    FileList* files() const { return child<FileList>("File1"); }
    QString stored(const QString& key) const
    {
        return store.GetSetting("Quenbrook", "AlbumPrinter", key);
    }

    // A button, a toolbar button (by key) or a popup item ("popup1:Remove").
    void run(const QString& command)
    {
        if (command.startsWith("popup")) {
            const QString menu = "mnupopup" + command.mid(5, 1);
            for (QAction* item : child<QMenu>(menu.toLatin1())->actions())
                if (item->text() == command.section(':', 1))
                    item->trigger();
        } else if (auto* button = child<QPushButton>(command.toLatin1())) {
            QTest::mouseClick(button, Qt::LeftButton);
        } else {
            QTest::mouseClick(
                child<QToolBar>("Toolbar")->widgetForAction(action(command.toLatin1())),
                Qt::LeftButton);
        }
    }
    void clickEntry(QListWidget* list, int row)
    {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }
    int selectedEntry() const
    {
        const auto selected = list()->selectedItems();
        return selected.isEmpty() ? -1 : list()->row(selected.first());
    }
};

} // namespace

class tst_AlbumPrinter : public QObject
{
    Q_OBJECT

private slots:
    void printListCommands_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<int>("selectedAfter"); // -2: not checked
        QTest::addColumn<QString>("tooltip");
        const QStringList abc{"A", "B", "C"};
        QTest::newRow("up on B") << "cmdUp" << 1 << QStringList{"B", "A", "C"} << 0 << "B";
        QTest::newRow("down on B") << "cmdDown" << 1 << QStringList{"A", "C", "B"} << 2 << "B";
        QTest::newRow("popup down on B")
            << "popup1:down" << 1 << QStringList{"A", "C", "B"} << 2 << "B";
        QTest::newRow("up on the first") << "popup1:up" << 0 << abc << 0 << "A";
        QTest::newRow("down on the last") << "cmdDown" << 2 << abc << 2 << "C";
        QTest::newRow("up, nothing selected") << "cmdUp" << -1 << abc << -1 << "";
        QTest::newRow("remove B") << "cmdRemove" << 1 << QStringList{"A", "C"} << -2 << "";
        QTest::newRow("remove, nothing selected") << "popup1:Remove" << -1 << abc << -1 << "";
        QTest::newRow("remove all") << "popup1:Remove All" << 1 << QStringList{} << -1 << "";
    }
    void printListCommands()
    {
        QFETCH(QString, command);
        QFETCH(int, selected);
        QFETCH(int, selectedAfter);
        Sandbox s;
        QVERIFY(s.show());
        for (const char* entry : {"A", "B", "C"})
            s.window->AddToPrintList(entry);
        if (selected >= 0) {
            s.clickEntry(s.list(), selected);
            QCOMPARE(s.list()->toolTip(), s.window->PrintList().at(selected));
        }
        s.run(command);
        QTEST(s.window->PrintList(), "entries");
        if (selectedAfter != -2)
            QCOMPARE(s.selectedEntry(), selectedAfter);
        QTEST(s.list()->toolTip(), "tooltip");
    }

    void addFromFileList()
    {
        Sandbox s;
        QVERIFY(s.show());
        FileList* files = s.files();
        QCOMPARE(files->fileNames(), (QStringList{"a.gif", "A9.bmp", "A10.bmp", "b.jpg"}));
        s.run("cmdAdd");
        s.run("popup2:Add");
        QCOMPARE(s.window->PrintList(), QStringList());

        files->setCurrentRow(3);
        s.run("cmdAdd");
        s.run("popup2:Add");
        const QPoint first = files->visualItemRect(files->item(0)).center();
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, first); // a double-click's first
        QTest::mouseDClick(files->viewport(), Qt::LeftButton, {}, first);
        s.run("cmdAddAll");
        QCOMPARE(s.window->PrintList(),
                 (QStringList{s.path("b.jpg"), s.path("b.jpg"), s.path("a.gif"), s.path("a.gif"),
                              s.path("A9.bmp"), s.path("A10.bmp"), s.path("b.jpg")}));

        // Enter opens the highlighted folder; Add All there finds nothing.
        auto* folders = s.child<FolderList>("Dir1");
        folders->setCurrentItem(folders->findItems("empty", Qt::MatchRecursive).value(0));
        QTest::keyClick(folders, Qt::Key_Return);
        QCOMPARE(files->path(), s.path("empty"));
        s.run("popup2:Add All");
        QCOMPARE(s.window->PrintList().size(), 7);
    }

    void drops_data()
    {
        QTest::addColumn<bool>("onList");
        QTest::addColumn<QStringList>("dropped"); // "" stands for the folder itself
        QTest::addColumn<QStringList>("appended");
        const QStringList mixed{"", "notes.txt", "b.jpg", "a.gif"};
        QTest::newRow("list: folder, text file, two pictures")
            << true << mixed << QStringList{"b.jpg", "a.gif"};
        QTest::newRow("window: the same") << false << mixed << QStringList{"b.jpg", "a.gif"};
        QTest::newRow("list: a text file only")
            << true << QStringList{"notes.txt"} << QStringList();
        QTest::newRow("window: plain text") << false << QStringList() << QStringList();
    }
    void drops()
    {
        QFETCH(bool, onList);
        QFETCH(QStringList, dropped);
        QFETCH(QStringList, appended);
        Sandbox s;
        QVERIFY(s.show());
        QMimeData data;
        if (dropped.isEmpty()) {
            data.setText(s.path("b.jpg"));
        } else {
            QList<QUrl> urls;
            for (const QString& name : dropped)
                urls << QUrl::fromLocalFile(name.isEmpty() ? s.dir : s.path(name));
            data.setUrls(urls);
        }
        QWidget* target = onList ? s.list()->viewport() : static_cast<QWidget*>(s.window.get());
        const bool copy = !appended.isEmpty();
        const Qt::DropAction effect = copy ? Qt::CopyAction : Qt::IgnoreAction;

        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                              {});
        QApplication::sendEvent(target, &enter);
        QCOMPARE(enter.isAccepted(), copy);
        QCOMPARE(enter.dropAction(), effect);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(target, &drop); // refused data never reaches the handler
        QCOMPARE(drop.isAccepted(), copy);
        if (copy)
            QCOMPARE(drop.dropAction(), Qt::CopyAction);

        QStringList expected;
        for (const QString& name : appended)
            expected << s.path(name);
        QCOMPARE(s.window->PrintList(), expected);
    }

    void fileListDrag()
    {
        Sandbox s;
        QVERIFY(s.show());
        QVERIFY(!s.files()->selectedFileData());
        s.files()->setCurrentRow(1);
        const std::unique_ptr<QMimeData> data = s.files()->selectedFileData();
        QCOMPARE(data->urls(), QList<QUrl>{QUrl::fromLocalFile(s.path("A9.bmp"))});
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, data.get(), Qt::LeftButton, {});
        QApplication::sendEvent(s.list()->viewport(), &enter);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, data.get(), Qt::LeftButton, {});
        QApplication::sendEvent(s.list()->viewport(), &drop);
        QCOMPARE(s.window->PrintList(), QStringList{s.path("A9.bmp")});
    }

    void filterPatterns_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QStringList>("listed");
        const QStringList all{"a.gif", "A9.bmp", "A10.bmp", "b.jpg"};
        const QStringList four{"Bitmap", "Gif", "Jpeg", "Icon"};
        const QString design = "*.bmp;*.gif;*.jpg;*.ico;*.cur;*.wmf;*.rle;*.jpeg;*.emf";
        QTest::newRow("at start") << QStringList() << design << true << all;
        QTest::newRow("Gif released")
            << QStringList{"Gif"} << "*.bmp;*.rle;*.wmf;*.emf;*.jpg;*.jpeg;*.ico;*.cur" << true
            << QStringList{"A9.bmp", "A10.bmp", "b.jpg"};
        QTest::newRow("all released: list disabled, last pattern kept")
            << four << "*.ico;*.cur" << false << QStringList();
        QTest::newRow("all released, then Gif")
            << four + QStringList{"Gif"} << "*.gif" << true << QStringList{"a.gif"};
        QTest::newRow("Bitmap released and pressed again")
            << QStringList{"Bitmap", "Bitmap"}
            << "*.bmp;*.rle;*.wmf;*.emf;*.gif;*.jpg;*.jpeg;*.ico;*.cur" << true << all;
    }
    void filterPatterns()
    {
        QFETCH(QStringList, clicks);
        Sandbox s;
        QVERIFY(s.show());
        for (const char* key : {"Bitmap", "Gif", "Jpeg", "Icon"})
            QVERIFY(s.action(key)->isCheckable() && s.action(key)->isChecked());
        for (const QString& key : clicks)
            s.run(key);
        QTEST(s.files()->pattern(), "pattern");
        QTEST(s.files()->isEnabled(), "enabled");
        QTEST(s.files()->fileNames(), "listed");
    }

    void optionMenu()
    {
        Sandbox s;
        QVERIFY(s.action("mnuInch")->isChecked() && !s.action("mnuCm")->isChecked());
        QVERIFY(s.action("mnuCenter")->isChecked());
        s.action("mnuCm")->trigger();
        QCOMPARE(s.stored("Scale"), "CM");
        QCOMPARE(s.stored("PictureMaxWidth"), "5.08");
        QVERIFY(s.action("mnuCm")->isChecked() && !s.action("mnuInch")->isChecked());
        QCOMPARE(s.window->Settings().Scale, PrintUnit::Centimetre);
        s.action("mnuCm")->trigger(); // already centimetres: nothing converted again
        QCOMPARE(s.stored("PictureMaxWidth"), "5.08");
        QVERIFY(s.action("mnuCm")->isChecked());
        s.action("mnuInch")->trigger();
        QCOMPARE(s.stored("Scale"), "Inch");
        QCOMPARE(s.stored("PictureMaxWidth"), "2");
        s.action("mnuCenter")->trigger();
        QCOMPARE(s.stored("Center"), "False");
        QVERIFY(!s.action("mnuCenter")->isChecked() && !s.window->Settings().Center);
    }

    void optionDialogs_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<OptionDialog>("dialog");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("Label") << "mnuLabel" << OptionDialog::Label << "PrintLabel"
                               << "FilePathName";
        QTest::newRow("Print Size")
            << "mnuPrintSize" << OptionDialog::PrintSize << "PictureMaxWidth"
            << "3.5";
        QTest::newRow("Header") << "mnuHeader" << OptionDialog::Header << "HeaderText"
                                << "Hi";
        QTest::newRow("Footer") << "mnuFooter" << OptionDialog::Footer << "FooterText"
                                << "Bye";
    }
    void optionDialogs()
    {
        QFETCH(QString, menu);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(OptionDialog, dialog);
        Sandbox s;
        QList<OptionDialog> shown;
        s.window->setOptionDialogRunner([&](OptionDialog which, QWidget* owner) {
            QCOMPARE(owner, s.window.get());
            shown << which;
            s.store.SaveSetting("Quenbrook", "AlbumPrinter", key, value); // as OK would
        });
        s.action(menu.toLatin1())->trigger();
        QCOMPARE(shown, QList<OptionDialog>{dialog});
        const PrintSettings& settings = s.window->Settings();
        const QHash<QString, QString> fields = {
            {"PrintLabel", QString::number(int(settings.PrintLabel))},
            {"PictureMaxWidth", NumberText(settings.PictureMaxWidth)},
            {"HeaderText", settings.HeaderText},
            {"FooterText", settings.FooterText}};
        QCOMPARE(fields.value(key), key == "PrintLabel" ? "2" : value);
    }

    void placementOnLoad_data()
    {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QStringList>("written"); // Left, Top, Width, Height, SplitterLeft
        QTest::newRow("first run")
            << QStringList() << QStringList{"0", "0", "7612.5", "4464", "4350"};
        QTest::newRow("as stored, height fixed")
            << QStringList{"Left=1500", "Top=750", "Width=9000", "Height=6000", "SplitterLeft=5000"}
            << QStringList{"1500", "750", "9000", "4464", "5000"};
        QTest::newRow("off the screen") << QStringList{"Left=-100", "Top=99999"}
                                        << QStringList{"0", "0", "7612.5", "4464", "4350"};
        QTest::newRow("too narrow: widened, splitter reset")
            << QStringList{"Width=6000", "SplitterLeft=5000"}
            << QStringList{"0", "0", "7830", "4464", "4350"};
    }
    void placementOnLoad()
    {
        QFETCH(QStringList, stored);
        QFETCH(QStringList, written);
        Sandbox s(stored);
        QVERIFY(s.show());
        const QStringList keys{"Left", "Top", "Width", "Height", "SplitterLeft"};
        QStringList expected;
        for (int i = 0; i < 5; ++i)
            expected << "AlbumPrinter/" + keys[i] + '=' + written[i];
        QCOMPARE(s.window->writes.mid(0, 5), expected);
        QCOMPARE(s.stored("Width"), written[2]);

        const float splitter = NumericValue(written[4]);
        QCOMPARE(s.window->width(), ToPixels(NumericValue(written[2])));
        QCOMPARE(s.list()->x(), ToPixels(splitter + 100));
        QCOMPARE(s.files()->width(), ToPixels(splitter) - ToPixels(2160));
        const QWidget* up = s.child("cmdUp");
        QCOMPARE(up->x() + up->width(), s.window->centralWidget()->width());
    }

    void splitterDrag_data()
    {
        QTest::addColumn<int>("pointerX"); // pixels from the grab area's left edge (4350 twips)
        QTest::addColumn<float>("splitter");
        QTest::newRow("inside the limits") << 50 << 5100.f;
        QTest::newRow("far left") << -250 << 4350.f;
        QTest::newRow("far right") << 700 << 12000 - 3462.5f;
    }
    void splitterDrag()
    {
        QFETCH(int, pointerX);
        QFETCH(float, splitter);
        Sandbox s({"Width=12000"});
        QVERIFY(s.show());
        s.window->writes.clear();
        auto* grip = s.child("imgSplitter");
        auto* bar = s.child("picSplitter");
        QTest::mousePress(grip, Qt::LeftButton, {}, QPoint(1, 20));
        QVERIFY(bar->isVisible());
        QCOMPARE(bar->width(), ToPixels(4350 + 50) - ToPixels(4350));
        QTest::mouseMove(grip, QPoint(pointerX, 20));
        QCOMPARE(bar->x(), ToPixels(splitter));
        QTest::mouseRelease(grip, Qt::LeftButton, {}, QPoint(pointerX, 20));
        QVERIFY(!bar->isVisible());
        QCOMPARE(s.window->writes.last(), "AlbumPrinter/SplitterLeft=" + NumberText(splitter));
        QCOMPARE(s.list()->x(), ToPixels(splitter + 100));
        QCOMPARE(grip->x(), ToPixels(splitter));

        QTest::mouseMove(grip, QPoint(pointerX + 30, 20)); // not dragging: nothing
        QCOMPARE(bar->x(), ToPixels(splitter));
    }

    void layoutRules_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QSize>("size");
        QTest::newRow("narrowed: widened to 7830") << "narrow" << QSize(522, 298);
        QTest::newRow("taller: height snaps back") << "taller" << QSize(600, 298);
        QTest::newRow("maximised: restored") << "maximise" << QSize(600, 298);
    }
    void layoutRules()
    {
        QFETCH(QString, change);
        QFETCH(QSize, size);
        Sandbox s({"Width=9000", "SplitterLeft=5000"});
        QVERIFY(s.show());
        s.window->writes.clear();
        if (change == "narrow")
            s.window->resize(400, s.window->height());
        else if (change == "taller")
            s.window->resize(s.window->width(), 400);
        else
            s.window->showMaximized();
        QTRY_COMPARE(s.window->size(), size);
        QVERIFY(!s.window->isMaximized());
        QTRY_VERIFY(s.window->writes.size() >= 5);
        QCOMPARE(s.window->writes.last(), change == "narrow" ? "AlbumPrinter/SplitterLeft=4350"
                                                             : "AlbumPrinter/SplitterLeft=5000");
    }

    void closing_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("viewerVisible");
        QTest::addColumn<bool>("minimised");
        QTest::addColumn<QStringList>("writes");
        QTest::addColumn<bool>("ended");
        const QString start = "Quenbrook/Start=AlbumPrinter";
        QTest::newRow("Album Viewer visible: only hidden")
            << "close" << true << false << QStringList() << false;
        QTest::newRow("last window")
            << "mnuClose" << false << false
            << QStringList{start, "AlbumPrinter/Left=1500", "AlbumPrinter/Top=750"} << true;
        QTest::newRow("last window, minimised")
            << "close" << false << true << QStringList{start} << true;
        QTest::newRow("Exit, Album Viewer visible")
            << "mnuExit" << true << false << QStringList{start} << true;
    }
    void closing()
    {
        QFETCH(QString, command);
        QFETCH(bool, viewerVisible);
        QFETCH(bool, minimised);
        QFETCH(bool, ended);
        Sandbox s({"Left=1500", "Top=750"});
        int ends = 0;
        s.window->setOtherWindowVisible([&] { return viewerVisible; });
        s.window->setEndProgram([&] { ++ends; });
        QVERIFY(s.show());
        s.window->AddToPrintList("A");
        if (minimised) {
            s.window->showMinimized();
            QTRY_VERIFY(s.window->isMinimized());
        }
        s.window->writes.clear();
        if (command == "close")
            s.window->close();
        else
            s.action(command.toLatin1())->trigger();
        QTEST(s.window->writes, "writes");
        QCOMPARE(ends, ended ? 1 : 0);
        QCOMPARE(s.store.GetSetting("Quenbrook", "Quenbrook", "Start"),
                 ended ? "AlbumPrinter" : "");
        if (!ended) {
            QVERIFY(s.window->isHidden());
            QCOMPARE(s.window->PrintList(), QStringList{"A"});
        }
    }

    void printerSetup_data()
    {
        QTest::addColumn<bool>("dialogShown");
        QTest::newRow("dialog shown") << true;
        QTest::newRow("dialog cannot be shown") << false;
    }
    void printerSetup()
    {
        QFETCH(bool, dialogShown);
        Sandbox s;
        QStringList seen;
        s.window->setPrinterSetupRunner([&](PrinterSurface& printer, QWidget* owner) {
            seen << printer.printerName() + (printer.hasDocument() ? " with a document" : "");
            printer.printText("x");
            return owner == s.window.get() && dialogShown;
        });
        s.printer->printText("x");
        QVERIFY(s.printer->hasDocument());
        s.action("mnuPrinterSetup")->trigger();
        QCOMPARE(seen, QStringList{"Second"}); // the default printer, its document discarded
        QCOMPARE(s.printer->hasDocument(), dialogShown);
    }

    void requests()
    {
        Sandbox s;
        QVERIFY(s.show());
        QSignalSpy preview(s.window.get(), &frmAlbumPrinter::previewRequested);
        QSignalSpy print(s.window.get(), &frmAlbumPrinter::printRequested);
        QSignalSpy view(s.window.get(), &frmAlbumPrinter::viewFileRequested);
        s.run("Preview");
        QCOMPARE(preview.count(), 0); // empty list
        s.window->AddToPrintList("  /x/a b.jpg ");
        s.run("Preview");
        s.action("Preview")->trigger();
        QCOMPARE(preview.count(), 2);
        s.run("Print");
        s.run("cmdPrint");
        QCOMPARE(print.count(), 2);

        // View Image follows the focus; View File needs a selection.
        s.run("popup1:View File");
        s.child("Dir1")->setFocus();
        s.run("ImageViewer");
        QCOMPARE(view.count(), 0);
        s.list()->setCurrentRow(0);
        s.list()->setFocus();
        s.run("ImageViewer");
        s.files()->setCurrentRow(0);
        s.files()->setFocus();
        s.run("ImageViewer");
        s.run("popup2:View File");
        QCOMPARE(view.count(), 3);
        QCOMPARE(view[0][0].toString(), "/x/a b.jpg");
        QCOMPARE(view[1][0].toString(), s.path("a.gif"));
    }

    void driveList_data()
    {
        QTest::addColumn<QString>("drive");
        QTest::addColumn<bool>("readable");
        QTest::newRow("readable drive") << "empty" << true;
        QTest::newRow("drive that cannot be read") << "/no/such/drive" << false;
    }
    void driveList()
    {
        QFETCH(QString, drive);
        QFETCH(bool, readable);
        Sandbox s;
        const QString root = readable ? s.path(drive) : drive;
        auto* drives = s.child<DriveList>("Drive1");
        drives->setDrives({"/", root});
        drives->showDriveOf(s.dir);
        drives->setCurrentIndex(1);
        emit drives->activated(1);
        QCOMPARE(drives->currentIndex(), readable ? 1 : 0);
        QCOMPARE(s.files()->path(), readable ? root : s.dir);
    }
};

QTEST_MAIN(tst_AlbumPrinter)
#include "tst_albumprinter.moc"
