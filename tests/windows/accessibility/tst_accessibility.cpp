#include "print/PrinterSurface.h"
#include "support/AlbumFixtures.h"
#include "support/SettingsSandbox.h"
#include "support/TestPrinters.h"
#include "windows/about/frmAbout.h"
#include "windows/albumprinter/frmAlbumPrinter.h"
#include "windows/albumviewer/frmAlbumViewer.h"
#include "windows/common/WindowServices.h"
#include "windows/dialogs/FontChooser.h"
#include "windows/dialogs/OptionDialogs.h"
#include "windows/imageviewer/frmImageViewer.h"
#include "windows/preview/frmPreview.h"
#include "windows/printing/frmOnPrinting.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using namespace quenbrook;

namespace {

// Controls a screen reader announces by name: what the user can press, choose or type into.
bool isControl(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::SpinBox:
    case QAccessible::List:
    case QAccessible::Tree:
    case QAccessible::Table:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::PageTabList:
    case QAccessible::Slider:
        return true;
    default:
        return false;
    }
}

// Every visible control below the window without an accessible name, as "role objectName".
void unnamed(QAccessibleInterface* node, QStringList& found, int depth = 0)
{
    if (!node || depth > 40 || node->state().invisible)
        return;
    // A drop-down list otherwise reads out only its current entry.
    const auto* widget = qobject_cast<const QWidget*>(node->object());
    const bool nameless = node->role() == QAccessible::ComboBox && widget
                              ? widget->accessibleName().isEmpty()
                              : node->text(QAccessible::Name).trimmed().isEmpty();
    if (isControl(node->role()) && nameless) {
        const QObject* object = node->object();
        found << QStringLiteral("%1 %2")
                     .arg(int(node->role()))
                     .arg(object ? object->objectName() + " (" + object->metaObject()->className() +
                                       ")"
                                 : QStringLiteral("?"));
    }
    // The items of a list or tree are its data, named by their own text.
    if (node->role() == QAccessible::List || node->role() == QAccessible::Tree ||
        node->role() == QAccessible::Table)
        return;
    for (int i = 0; i < node->childCount(); ++i)
        unnamed(node->child(i), found, depth + 1);
}

QStringList unnamedIn(QWidget& window)
{
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return {QStringLiteral("not shown")};
    QStringList found;
    unnamed(QAccessible::queryAccessibleInterface(&window), found);
    return found;
}

// The item of the window's menu bar, or of one of its menus, with that caption.
QAction* menuItem(const QWidget& window, const QString& caption)
{
    const auto* bar = window.findChild<QMenuBar*>();
    for (QAction* top : bar ? bar->actions() : QList<QAction*>()) {
        if (top->text() == caption)
            return top;
        for (QAction* item : top->menu() ? top->menu()->actions() : QList<QAction*>())
            if (item->text() == caption)
                return item;
    }
    return nullptr;
}

} // namespace

class tst_Accessibility : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QAccessible::setActive(true); }

    void everyControlHasAName()
    {
        testsupport::SettingsSandbox settings;
        TestPrinters printers({"First", "Second"});
        std::unique_ptr<PrinterSurface> printer = printers.open("First");
        WindowServices services{settings.store, printers};
        QStringList found;
        const auto check = [&](const char* window, QWidget& widget) {
            for (const QString& control : unnamedIn(widget))
                found << QString::fromLatin1(window) + ": " + control;
        };

        frmAlbumPrinter albumPrinter(services, *printer);
        check("Album Printer", albumPrinter);
        frmAlbumViewer albumViewer(services);
        check("Album Viewer", albumViewer);
        frmImageViewer imageViewer;
        check("Image Viewer", imageViewer);
        frmAbout about(nullptr);
        check("About", about);
        frmOnPrinting printing(nullptr);
        check("Printing", printing);
        frmPreview preview(&albumPrinter, {"none.bmp"}, albumPrinter.Settings(), *printer,
                           settings.store);
        check("Preview", preview);
        services.runDialog = [&](QDialog& dialog) { // every tab of the dialog in turn
            QTabBar* tabs = dialog.findChild<QTabBar*>();
            for (int tab = 0; tab < (tabs ? tabs->count() : 1); ++tab) {
                if (tabs)
                    tabs->setCurrentIndex(tab);
                check(qPrintable(dialog.windowTitle()), dialog);
            }
            return int(QDialog::Rejected);
        };
        for (OptionDialog dialog : {OptionDialog::PrintSize, OptionDialog::Header,
                                    OptionDialog::Footer, OptionDialog::Label})
            RunOptionDialog(dialog, &albumPrinter, services, *printer);
        albumPrinter.findChild<QAction*>("mnuPrinterSetup")->trigger();
        QTimer::singleShot(0, [&] {
            if (auto* chooser = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                check("Font", *chooser);
                chooser->reject();
            }
        });
        ChooseFont(nullptr, ChosenFont{printer->defaultFont(), 0});
        QVERIFY2(found.isEmpty(), qPrintable("\n" + found.join('\n')));
    }

    // Tab reaches every toolbar command of both main windows, which still open with the focus on
    // their own first control.
    void toolbarsReachedByTab()
    {
        testsupport::SettingsSandbox settings;
        TestPrinters printers({"First"});
        std::unique_ptr<PrinterSurface> printer = printers.open("First");
        WindowServices services{settings.store, printers};
        frmAlbumPrinter albumPrinter(services, *printer);
        frmAlbumViewer albumViewer(services);
        for (QWidget* window :
             {static_cast<QWidget*>(&albumPrinter), static_cast<QWidget*>(&albumViewer)}) {
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            QVERIFY(window->focusWidget() && !qobject_cast<QToolButton*>(window->focusWidget()));
            QSet<QWidget*> chain;
            for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain())
                if (w->isVisible() && (w->focusPolicy() & Qt::TabFocus))
                    chain << w;
            for (QToolButton* button : window->findChildren<QToolButton*>())
                if (button->defaultAction() && button->isVisible())
                    QVERIFY2(chain.contains(button), qPrintable(button->defaultAction()->text()));
        }
    }

    // The standard keys of each window's commands: the menu item carries the key, and pressing
    // the keys in turn leaves the window as the row says.
    void standardKeys_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("caption"); // the menu item; empty when it has none
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QString>("expected");
        using K = QKeySequence;
        QTest::newRow("printer Print")
            << "Album Printer"
            << "&Print" << QList<int>{K::Print} << "print 1, about 0, ended 0, shown";
        QTest::newRow("printer About")
            << "Album Printer"
            << "&About" << QList<int>{K::HelpContents} << "print 0, about 1, ended 0, shown";
        // Another main window is visible, so closing hides, while Exit ends the program.
        QTest::newRow("printer Close")
            << "Album Printer"
            << "&Close" << QList<int>{K::Close} << "print 0, about 0, ended 0, hidden";
        QTest::newRow("printer Exit")
            << "Album Printer"
            << "E&xit" << QList<int>{K::Quit} << "print 0, about 0, ended 1, shown";
        QTest::newRow("viewer About")
            << "Album Viewer"
            << "&About" << QList<int>{K::HelpContents} << "print 0, about 1, ended 0, shown";
        QTest::newRow("viewer Close")
            << "Album Viewer"
            << "&Close" << QList<int>{K::Close} << "print 0, about 0, ended 0, hidden";
        QTest::newRow("viewer Exit")
            << "Album Viewer"
            << "E&xit" << QList<int>{K::Quit} << "print 0, about 0, ended 1, shown";
        QTest::newRow("image in to the end")
            << "Image Viewer"
            << "" << QList<int>{K::ZoomIn, K::ZoomIn, K::ZoomIn} << "400%";
        QTest::newRow("image out") << "Image Viewer"
                                   << "" << QList<int>{K::ZoomOut} << "75%";
        QTest::newRow("image out to the end") << "Image Viewer"
                                              << "" << QList<int>(4, K::ZoomOut) << "25%";
        QTest::newRow("image Close") << "Image Viewer"
                                     << "&Close" << QList<int>{K::Close} << "closed";
        QTest::newRow("preview in at the end")
            << "Preview"
            << "" << QList<int>{K::ZoomIn} << "100%, page 1 of 2";
        QTest::newRow("preview out and in")
            << "Preview"
            << "" << QList<int>{K::ZoomOut, K::ZoomOut, K::ZoomIn} << "75%, page 1 of 2";
        QTest::newRow("preview out to the end")
            << "Preview"
            << "" << QList<int>(4, K::ZoomOut) << "25%, page 1 of 2";
        QTest::newRow("preview next page")
            << "Preview"
            << "" << QList<int>{K::MoveToNextPage} << "100%, page 2 of 2";
        QTest::newRow("preview past the last page and back")
            << "Preview"
            << "" << QList<int>{K::MoveToNextPage, K::MoveToNextPage, K::MoveToPreviousPage}
            << "100%, page 1 of 2";
        QTest::newRow("preview before the first page")
            << "Preview"
            << "" << QList<int>{K::MoveToPreviousPage} << "100%, page 1 of 2";
        QTest::newRow("preview Close") << "Preview"
                                       << "&Close" << QList<int>{K::Close} << "closed";
    }

    void standardKeys()
    {
        QFETCH(QString, window);
        QFETCH(QString, caption);
        QFETCH(QList<int>, keys);
        QFETCH(QString, expected);

        QTemporaryDir folder;
        testsupport::SettingsSandbox settings;
        TestPrinters printers({"First"});
        std::unique_ptr<PrinterSurface> printer = printers.open("First");
        WindowServices services{settings.store, printers};
        int prints = 0, abouts = 0, endings = 0;
        services.ending.setOtherWindowVisible([](const QWidget&) { return true; });
        services.ending.setEndProgram([&] { ++endings; });
        const QString picture = albumtest::solidPicture(folder, "a.bmp", QSize(40, 30));

        std::unique_ptr<QWidget> shown;
        if (window == "Album Printer") {
            auto* w = new frmAlbumPrinter(services, *printer);
            connect(w, &frmAlbumPrinter::printRequested, [&] { ++prints; });
            connect(w, &frmAlbumPrinter::aboutRequested, [&] { ++abouts; });
            shown.reset(w);
        } else if (window == "Album Viewer") {
            auto* w = new frmAlbumViewer(services);
            connect(w, &frmAlbumViewer::aboutRequested, [&] { ++abouts; });
            shown.reset(w);
        } else if (window == "Image Viewer") {
            auto* w = new frmImageViewer;
            w->setAttribute(Qt::WA_DeleteOnClose, false); // the test owns it
            w->show();
            QVERIFY(w->LoadImage(picture));
            shown.reset(w);
        } else {
            auto* w = new frmPreview(nullptr, QStringList(20, picture), albumtest::gridSettings(),
                                     *printer, settings.store,
                                     [](QWidget*, const QString&, MessageIcon) {});
            QVERIFY(w->Form_Load());
            shown.reset(w);
        }
        // The main windows' commands, or the zoom and page of the other two.
        const auto state = [&] {
            if (!shown->isVisible() && window != "Album Printer" && window != "Album Viewer")
                return QStringLiteral("closed");
            if (auto* viewer = qobject_cast<frmImageViewer*>(shown.get())) {
                for (int i = 0; i < frmImageViewer::ZoomCount; ++i)
                    if (viewer->mnuZoomScale(i)->isChecked())
                        return viewer->mnuZoomScale(i)->text();
            }
            if (auto* zoom = shown->findChild<QComboBox*>("cboZoom"))
                return QStringLiteral("%1, page %2 %3")
                    .arg(zoom->currentText(), shown->findChild<QLabel*>("lblPage")->text(),
                         shown->findChild<QLabel*>("lblTotalPage")->text());
            return QStringLiteral("print %1, about %2, ended %3, %4")
                .arg(prints)
                .arg(abouts)
                .arg(endings)
                .arg(shown->isVisible() ? "shown" : "hidden");
        };
        shown->show();
        QVERIFY(QTest::qWaitForWindowActive(shown.get()));

        // Quit is Ctrl+Q even where the platform has no Quit key.
        const auto sequence = [](int key) {
            return key == QKeySequence::Quit ? QKeySequence(Qt::CTRL | Qt::Key_Q)
                                             : QKeySequence(QKeySequence::StandardKey(key));
        };
        if (!caption.isEmpty()) {
            QAction* item = menuItem(*shown, caption);
            QVERIFY2(item, qPrintable(caption));
            QCOMPARE(item->shortcut(), sequence(keys.first()));
        }
        for (int key : keys)
            QTest::keySequence(shown.get(), sequence(key));
        QCOMPARE(state(), expected);
    }
};

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
