#include "DialogTestKit.h"
#include "dialogs/OptionDialogs.h"
#include "dialogs/TabStrip.h"

#include <QDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>

using namespace dialogtest;

Q_DECLARE_METATYPE(quenbrook::OptionDialog)

namespace {

// Controls that leave their parent or overlap a sibling (pages lie on each other and on the tab
// strip by design), pages over the tabs, and texts with too little room.
QStringList layoutProblems(const QWidget& dialog)
{
    QStringList problems;
    const auto name = [](const QWidget* w) {
        return w->objectName() + w->metaObject()->className();
    };
    const auto isPage = [&](const QWidget* w) {
        return w->parentWidget() == &dialog && w->inherits("QFrame") && !w->inherits("QLabel");
    };
    const auto* strip = dialog.findChild<TabStrip*>();
    const int tabsBottom = strip->y() + strip->tabBar()->geometry().bottom();
    for (const QWidget* w : dialog.findChildren<QWidget*>()) {
        const QWidget* parent = w->parentWidget();
        if (w == strip || (parent != &dialog && !isPage(parent)))
            continue; // the strip's own parts
        if (!parent->rect().contains(w->geometry()))
            problems << name(w) + " leaves its parent";
        if (isPage(w) && w->y() <= tabsBottom)
            problems << name(w) + " covers the tabs";
        for (const QWidget* other : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (other != strip && !(isPage(w) && isPage(other)) && name(w) < name(other) &&
                w->geometry().intersects(other->geometry()))
                problems << name(w) + " overlaps " + name(other);
        }
        const auto* button = qobject_cast<const QPushButton*>(w);
        const auto* label = qobject_cast<const QLabel*>(w);
        const QSize least =
            button ? QSize(w->fontMetrics().horizontalAdvance(button->text().remove('&')) + 8,
                           w->fontMetrics().height())
                   : w->minimumSizeHint();
        const bool hasText =
            qobject_cast<const QAbstractButton*>(w) || (label && label->pixmap().isNull());
        if (hasText && (w->width() < least.width() || w->height() < least.height()))
            problems << name(w) + " cuts its text";
    }
    return problems;
}

} // namespace

class tst_OptionDialogs : public QObject
{
    Q_OBJECT

private slots:
    void runAndClose_data();
    void runAndClose();
    void realFontChooser_data();
    void realFontChooser();
};

void tst_OptionDialogs::runAndClose_data()
{
    QTest::addColumn<OptionDialog>("which");
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("pages");
    QTest::addColumn<bool>("byEscape");

    const QStringList band = {"fraGeneral", "fraSpacing", "fraAlignment"};
    for (const bool byEscape : {false, true}) {
        const char* way = byEscape ? "Esc" : "Cancel";
        QTest::addRow("print size, %s", way)
            << OptionDialog::PrintSize << "frmPrintSize"
            << "Set Print Size" << QStringList{"fraSize", "fraPicSpac", "fraPicLabel"} << byEscape;
        QTest::addRow("header, %s", way) << OptionDialog::Header << "frmHeader"
                                         << "Header" << band << byEscape;
        QTest::addRow("footer, %s", way) << OptionDialog::Footer << "frmFooter"
                                         << "Footer" << band << byEscape;
        QTest::addRow("label, %s", way)
            << OptionDialog::Label << "frmLabel"
            << "Label" << QStringList{"fraGeneral", "fraPosition"} << byEscape;
    }
}

// Opened by the entry of the Album Printer window: a modal, fixed-size tool window owned by the
// window, centred on it except the Label dialog, each tab showing its own page, nothing cut off
// or overlapping. Whatever was edited, Cancel and Esc write nothing.
void tst_OptionDialogs::runAndClose()
{
    QFETCH(OptionDialog, which);
    QFETCH(QString, form);
    QFETCH(QString, caption);
    QFETCH(QStringList, pages);
    QFETCH(bool, byEscape);
    Sandbox box;
    box.put({"HeaderText=kept", "PictureMaxWidth=3"});
    const QStringList before = box.all();
    QWidget owner;
    owner.setGeometry(200, 150, 700, 500);
    owner.show();

    QStringList problems;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        const auto expect = [&](bool ok, const QString& what) {
            if (!ok)
                problems << what;
        };
        expect(dialog->objectName() == form && dialog->windowTitle() == caption, "wrong dialog");
        expect(dialog->parentWidget() == &owner && dialog->isModal(), "not modal to the owner");
        const Qt::WindowFlags flags = dialog->windowFlags();
        expect((flags & Qt::WindowType_Mask) == Qt::Tool, "not a tool window");
        expect(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)),
               "minimise or maximise button");
        expect(dialog->minimumSize() == dialog->maximumSize(), "not fixed in size");
        const QPoint offCentre = dialog->geometry().center() - owner.geometry().center();
        expect((offCentre.manhattanLength() <= 2) == (form != "frmLabel"), "placed wrongly");
        auto* ok = control<QPushButton>(*dialog, "cmdOk");
        expect(ok->isDefault() && ok->text() == "Ok", "Ok is not the default button");
        expect(control<QPushButton>(*dialog, "cmdCancel")->text() == "Cancel", "no Cancel");

        QTabBar* tabs = dialog->findChild<TabStrip*>()->tabBar();
        expect(tabs->count() == pages.size(), "tab count");
        for (int i = tabs->count() - 1; i >= 0; --i) {
            tabs->setCurrentIndex(i);
            for (int p = 0; p < pages.size(); ++p)
                expect(control<QFrame>(*dialog, pages[p])->isVisible() == (p == i),
                       QString("tab %1 and %2").arg(i).arg(pages[p]));
        }
        problems << layoutProblems(*dialog);

        for (QLineEdit* edit : dialog->findChildren<QLineEdit*>())
            edit->setText("5");
        for (QRadioButton* option : dialog->findChildren<QRadioButton*>())
            option->click();
        if (byEscape)
            QTest::keyClick(dialog, Qt::Key_Escape);
        else
            act(*dialog, {"cmdCancel"});
        if (dialog->isVisible()) {
            problems << "still open";
            dialog->reject();
        }
    });
    RunOptionDialog(which, &owner, box.store, box.printer);

    QVERIFY2(problems.isEmpty(), qPrintable(problems.join("; ")));
    QCOMPARE(box.all(), before);
}

void tst_OptionDialogs::realFontChooser_data()
{
    QTest::addColumn<bool>("underline"); // ticked in the chooser
    QTest::addColumn<bool>("accept");
    QTest::newRow("OK untouched") << false << true;
    QTest::newRow("underline ticked") << true << true;
    QTest::newRow("cancelled") << true << false;
}

// What goes in comes back: a fractional size, the effects, and a colour with a top byte survive
// an OK without changes.
void tst_OptionDialogs::realFontChooser()
{
    QFETCH(bool, underline);
    QFETCH(bool, accept);
    const ChosenFont start{PrintFont{QFontDatabase::families().value(0), 10.5, true, false, true},
                           -1};
    QTimer::singleShot(0, [&] {
        auto* chooser = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!chooser)
            return;
        if (underline) {
            auto* fonts = chooser->findChild<QFontDialog*>();
            QFont font = fonts->currentFont();
            font.setUnderline(true);
            fonts->setCurrentFont(font);
        }
        accept ? chooser->accept() : chooser->reject();
    });
    const std::optional<ChosenFont> chosen = ChooseFont(nullptr, start);

    QCOMPARE(chosen.has_value(), accept);
    ChosenFont expected = start;
    expected.Font.Underline = underline;
    QVERIFY(!accept || *chosen == expected);
}

QTEST_MAIN(tst_OptionDialogs)
#include "tst_optiondialogs.moc"
