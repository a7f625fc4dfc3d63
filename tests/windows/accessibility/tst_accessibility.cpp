#include "core/settings/SettingsStore.h"
#include "print/PrinterSurface.h"
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
#include <QDialog>
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

} // namespace

class tst_Accessibility : public QObject
{
    Q_OBJECT
    QTemporaryDir store_;

private slots:
    void initTestCase() { QAccessible::setActive(true); }

    void everyControlHasAName()
    {
        SettingsStore store(store_.path());
        TestPrinters printers({"First", "Second"});
        std::unique_ptr<PrinterSurface> printer = printers.open("First");
        WindowServices services{store, printers};
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
        frmPreview preview(&albumPrinter, {"none.bmp"}, albumPrinter.Settings(), *printer, store);
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
        ChooseFont(nullptr, ChosenFont{printer->font(), 0});
        QVERIFY2(found.isEmpty(), qPrintable("\n" + found.join('\n')));
    }

    // Tab reaches every toolbar command of both main windows, which still open with the focus on
    // their own first control.
    void toolbarsReachedByTab()
    {
        SettingsStore store(store_.path());
        TestPrinters printers({"First"});
        std::unique_ptr<PrinterSurface> printer = printers.open("First");
        WindowServices services{store, printers};
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
};

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
