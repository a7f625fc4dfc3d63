// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/settings/NumberRules.h"
#include "print/PrinterSurface.h"
#include "print/Printers.h"
#include "support/Golden.h"
#include "support/RecordingSurface.h"
#include "support/SettingsSandbox.h"
#include "support/TestMain.h"
#include "support/TestPrinters.h"
#include "windows/common/Placement.h"
#include "windows/dialogs/BandDialog.h"
#include "windows/dialogs/FontChooser.h"
#include "windows/dialogs/PrinterSetupDialog.h"
#include "windows/dialogs/frmLabel.h"
#include "windows/dialogs/frmPrintSize.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFocusEvent>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScreen>
#include <QTabBar>
#include <QTest>
#include <QTimer>

using namespace quenbrook;

namespace {

// A settings store of its own ("Key=Value" entries are in the printing section) and the printer
// the dialogs ask (8 × 10.5 inch printable area, current font Sans 10).
struct Sandbox : testsupport::SettingsSandbox
{
    RecordingSurface printer;
};

// A dialog whose writes are kept in order as "Key=Value" and still reach the store, and whose
// messages are kept instead of shown.
template <class Dialog> class Recorded : public Dialog
{
public:
    using Dialog::Dialog;
    QStringList written;
    QStringList messages;

protected:
    void writeSetting(const QString& key, const QString& value) override
    {
        written << key + '=' + value;
        Dialog::writeSetting(key, value);
    }
    void showMessage(const QString& text, MessageIcon) override { messages << text; }
};

template <class Control> Control* control(const QWidget& dialog, const QString& name)
{
    if (auto* found = dialog.findChild<Control*>(name))
        return found;
    qFatal("no control %s", qPrintable(name));
}

// "cmdOk" clicks a button; "txtSpacing=.25" types into a text box and leaves it, as Tab would.
inline void act(const QWidget& dialog, const QStringList& steps)
{
    for (const QString& step : steps) {
        if (!step.contains('=')) {
            control<QAbstractButton>(dialog, step)->click();
        } else if (auto* box = control<QLineEdit>(dialog, step.section('=', 0, 0))) {
            box->setText(step.section('=', 1));
            QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
            QApplication::sendEvent(box, &out);
        }
    }
}

// The Header, Footer or Label dialog and the writes it makes.
using Opened = std::pair<std::unique_ptr<QDialog>, const QStringList*>;

template <class Form> Opened make(Sandbox& box, FontChooser chooser)
{
    auto* dialog = new Recorded<Form>(nullptr, box.store, box.printer, std::move(chooser));
    return {std::unique_ptr<QDialog>(dialog), &dialog->written};
}

Opened open(const QString& form, Sandbox& box, FontChooser chooser)
{
    return form == "frmHeader"   ? make<frmHeader>(box, std::move(chooser))
           : form == "frmFooter" ? make<frmFooter>(box, std::move(chooser))
                                 : make<frmLabel>(box, std::move(chooser));
}

const QStringList Band = {"FontName",          "FontSize",      "FontBold",  "FontItalic",
                          "FontStrikethrough", "FontUnderline", "FontColor", "Text",
                          "Alignment",         "Style",         "Spacing"};
using Dialog = Recorded<frmPrintSize>;

// A font chooser the user cancels.
const FontChooser NoChooser = [](QWidget*, const ChosenFont&) {
    return std::optional<ChosenFont>();
};

} // namespace

// The option dialogs, the font chooser and Printer Setup: what they show, write and refuse.
class tst_Dialogs : public QObject
{
    Q_OBJECT

private slots:
    // Each form opened on a store, edited, closed with OK, Cancel or Esc: the options checked on
    // opening, the font the chooser starts at, and every write in order.
    void openEditOk()
    {
        const QList<QStringList> rows{
            {"frmHeader", "", ""},
            {"frmLabel", "", ""},
            {"frmFooter", "Scale=CM|FooterFontColor=-1|HeaderText=other",
             "optSetting2|txtContext=Holiday 2024|optSetting0|optAlignment2|txtSpacing=.25"},
            {"frmHeader", "HeaderFontSize=10.5|HeaderFontBold=1|HeaderFontColor=&HFF", "cmdFont"},
            {"frmHeader", "HeaderStyle=7|HeaderAlignment=-1", ""},
            {"frmFooter",
             "FooterStyle=2|FooterAlignment=1.5|FooterFontSize=0|FooterFontName=No Such Font Qzx",
             ""},
            {"frmLabel", "LabelPosition=above|PrintLabel=FilePathName|FontName=DejaVu Serif", ""},
            {"frmHeader", "HeaderFontName=Serif", ""}, // fontconfig's aliases are fonts
            {"frmLabel", "FontName=Serif", ""},
            {"frmLabel", "PrintLabel=filename", "optPosition1|optLabelSetting0"},
            {"frmHeader", "HeaderText=kept", "optSetting2|txtContext=5|optAlignment2|cmdCancel"},
            {"frmFooter", "", "optSetting1|txtSpacing=5|Esc"},
            {"frmLabel", "", "optPosition1|optLabelSetting2|cmdCancel"}};
        QString text;
        for (const QStringList& row : rows) {
            Sandbox box;
            box.put(row[1].split('|', Qt::SkipEmptyParts));
            QStringList shown; // by a chooser that is cancelled
            const auto [dialog, written] = open(row[0], box, [&](QWidget*, const ChosenFont& f) {
                shown << FontSizeText(f.Font.Size) + ' ' + QString::number(f.Color);
                return std::optional<ChosenFont>();
            });
            QStringList checked;
            for (const QRadioButton* option : dialog->findChildren<QRadioButton*>())
                if (option->isChecked())
                    checked << option->objectName();
            const int abandoned = box.printer.abandonedDocuments();
            QStringList steps = row[2].split('|', Qt::SkipEmptyParts);
            const bool escape = steps.removeAll("Esc") > 0;
            dialog->show();
            act(*dialog, escape || steps.endsWith("cmdCancel") ? steps : steps << "cmdOk");
            if (escape)
                QTest::keyClick(dialog.get(), Qt::Key_Escape);
            checked << (dialog->isVisible() ? "(still open)" : "");
            text += QStringLiteral("== %1\nchecked: %2\nprinter asked: %3\nchooser: %4\n%5\n")
                        .arg(row.join(" / "), checked.join(' '))
                        .arg(abandoned)
                        .arg(shown.join(' '), written->join('\n'));
        }
        QUENBROOK_COMPARE_GOLDEN("windows/option-dialog-writes.txt", text);
    }

    // The real chooser, opened from the real dialog's font button: what the user leaves alone
    // comes back as it was stored, whatever the family calls its styles.
    void realChooser()
    {
        if (!QFontDatabase::hasFamily("DejaVu Sans") || !QFontDatabase::hasFamily("DejaVu Serif"))
            QSKIP("needs the DejaVu fonts (scripts/install-deps.sh)");
        // DejaVu Sans names its plain style "Book" and its italic one "Oblique".
        const QString plain = "DejaVu Sans|10|False|False|False|False|0";
        const QList<QStringList> rows{
            {"frmFooter", plain, ""},
            {"frmHeader", "dejavu sans|10.3333|True|True|True|True|-1", ""},
            {"frmLabel", "Monospace|10|False|False|False|False|0", ""},
            {"frmFooter", plain, "txtSize=10.5"},
            {"frmLabel", plain, "lstFamily=DejaVu Serif|lstStyle=Italic|chkUnderline"},
            {"frmHeader", plain, "chkStrikeout|txtSize=2049"},
            {"frmFooter", plain, "txtFamily=Qzx"},
            {"frmLabel", plain, "txtSize=12|lstStyle=Bold|cmdCancel"}};
        QString text;
        for (const QStringList& row : rows) {
            const QString prefix = row[0] == "frmLabel" ? "" : row[0].mid(3);
            Sandbox box;
            const QStringList stored = row[1].split('|');
            for (int i = 0; i < 7; ++i)
                box.put({prefix + Band[i] + '=' + stored[i]});
            const auto [dialog, written] = open(row[0], box, ChooseFont);
            QString shown = "no chooser";
            QTimer::singleShot(0, [&] {
                auto* chooser = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                if (!chooser || chooser->objectName() != "dlgFont")
                    return chooser ? chooser->reject() : void();
                const QFont sample = control<QLabel>(*chooser, "lblSample")->font();
                shown = control<QLineEdit>(*chooser, "txtStyle")->text() +
                        (sample.italic() ? ", italic" : "") + (sample.bold() ? ", bold" : "");
                for (const QString& step : row[2].split('|', Qt::SkipEmptyParts)) {
                    const QString name = step.section('=', 0, 0), value = step.section('=', 1);
                    if (auto* edit = chooser->findChild<QLineEdit*>(name)) {
                        edit->selectAll();
                        QTest::keyClicks(edit, value);
                    } else if (auto* list = chooser->findChild<QListWidget*>(name)) {
                        list->setCurrentItem(list->findItems(value, Qt::MatchExactly).value(0));
                    } else {
                        control<QAbstractButton>(*chooser, name)->click();
                    }
                }
                if (row[2].contains("lstStyle"))
                    shown += ", then " + control<QLineEdit>(*chooser, "txtStyle")->text();
                if (chooser->isVisible()) {
                    const QLabel* problem = control<QLabel>(*chooser, "lblProblem");
                    if (problem->isVisible())
                        shown += "\nproblem: " + problem->text();
                    auto* ok = control<QAbstractButton>(*chooser, "cmdOk");
                    ok->isEnabled() ? ok->click() : chooser->reject();
                }
            });
            act(*dialog, {"cmdFont", "cmdOk"});
            QStringList after;
            for (int i = 0; i < 7; ++i)
                after << box.get(prefix + Band[i]);
            text += "== " + row.join(" / ") + "\nshown: " + shown + "\nafter: " + after.join('|') +
                    '\n';
        }
        QUENBROOK_COMPARE_GOLDEN("windows/font-chooser.txt", text);
    }

    // A size typed into the real chooser, with the keyboard alone: Tab from the family box to the
    // size box, the size typed, Tab into the size list and on, Enter. A size the list lacks stays
    // in the box and is what OK stores; keys in the list still choose its sizes.
    void typedSizeKeptByKeyboard()
    {
        using Row = std::tuple<QString, QString, QString, QString>; // form, typed, keys, stored
        const QList<Row> rows{
            {"frmLabel", "10.5", "", "10.5"},    {"frmHeader", "10.5", "", "10.5"},
            {"frmFooter", "7,25", "", "7.25"},   {"frmLabel", "0.0001", "", "0.0001"},
            {"frmLabel", "12", "", "12"},        {"frmHeader", "10.5", "Down", "list"},
            {"frmLabel", "10.5", "End", "list"}, {"frmFooter", "10.5", "Click", "list"}};
        for (const auto& [form, typed, keys, stored] : rows) {
            const QString prefix = form == "frmLabel" ? "" : form.mid(3);
            Sandbox box;
            box.put({prefix + "FontName=Sans", prefix + "FontSize=9"});
            const auto [dialog, written] = open(form, box, ChooseFont);
            QStringList seen;
            QString fromList;
            QTimer::singleShot(0, [&] {
                auto* chooser = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                const auto close = qScopeGuard([chooser] {
                    if (chooser && chooser->isVisible())
                        chooser->reject();
                });
                QVERIFY(chooser && chooser->objectName() == "dlgFont");
                QVERIFY(QTest::qWaitForWindowActive(chooser));
                auto* size = control<QLineEdit>(*chooser, "txtSize");
                auto* sizes = control<QListWidget>(*chooser, "lstSize");
                const auto press = [&](Qt::Key key) {
                    QTest::keyClick(QApplication::focusWidget(), key);
                };
                for (int i = 0; i < 3; ++i)
                    press(Qt::Key_Tab);
                seen << (QApplication::focusWidget() == size ? "in size box" : "elsewhere");
                QTest::keyClicks(size, typed);
                press(Qt::Key_Tab);
                seen << (QApplication::focusWidget() == sizes ? "in size list" : "elsewhere")
                     << size->text();
                if (keys == "Click") {
                    // The size highlighted in the list, clicked, is taken though it stays the
                    // current one.
                    QVERIFY(sizes->currentItem());
                    QTest::mouseClick(sizes->viewport(), Qt::LeftButton, {},
                                      sizes->visualItemRect(sizes->currentItem()).center());
                } else if (!keys.isEmpty()) {
                    press(keys == "Down" ? Qt::Key_Down : Qt::Key_End);
                }
                if (!keys.isEmpty()) {
                    fromList = sizes->currentItem() ? sizes->currentItem()->text() : "none";
                    seen << (size->text() == fromList && fromList != typed ? "list" : size->text());
                }
                press(Qt::Key_Tab);
                seen << size->text();
                press(Qt::Key_Return);
                seen << (chooser->isVisible() ? "still open" : "closed");
            });
            act(*dialog, {"cmdFont", "cmdOk"});
            QStringList expected{"in size box", "in size list", typed};
            if (!keys.isEmpty())
                expected << "list";
            expected << (keys.isEmpty() ? typed : fromList) << "closed";
            QCOMPARE(seen, expected);
            QCOMPARE(box.get(prefix + "FontSize"), stored == "list" ? fromList : stored);
        }
    }

    // A number box is checked when the user leaves it: its tab chosen with the mouse, the box
    // clicked, the text typed over what it held, Tab; then a click on OK keeps what it shows.
    void numberBoxesCheckedOnLeaving()
    {
        using Row = std::tuple<QString, QString, QString, QString, QString>;
        const QList<Row> rows{
            // form, tab, box, typed, shown after Tab
            {"frmHeader", "Spacing", "txtSpacing", ".25", "0.25"},
            {"frmFooter", "Spacing", "txtSpacing", "", "0"},
            {"frmFooter", "Spacing", "txtSpacing", "-1.50", "-1.5"},
            {"frmPrintSize", "Size", "txtPictureSizeX", "3 cm", "3"},
            {"frmPrintSize", "Size", "txtPictureSizeY", "1e-5", "1E-05"},
            {"frmPrintSize", "PicSpac", "txtPictureSpacingX", "1,5", "1"},
            {"frmPrintSize", "PicSpac", "txtPictureSpacingY", "", "0"},
            {"frmPrintSize", "PicLabel", "txtPictureLabelSpacing", "0.50", "0.5"}};
        for (const auto& [form, tab, name, typed, shown] : rows) {
            Sandbox box;
            std::unique_ptr<QDialog> dialog;
            const QStringList* written = nullptr;
            if (form == "frmPrintSize") {
                auto* sizes = new Dialog(nullptr, box.store, box.printer);
                dialog.reset(sizes);
                written = &sizes->written;
            } else {
                std::tie(dialog, written) = open(form, box, NoChooser);
            }
            dialog->show();
            QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
            auto* tabs = dialog->findChild<QTabBar*>();
            int index = 0;
            while (index < tabs->count() && tabs->tabData(index).toString() != tab)
                ++index;
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
            auto* edit = control<QLineEdit>(*dialog, name);
            QVERIFY2(edit->isVisible(), qPrintable(form + ' ' + name));
            QTest::mouseClick(edit, Qt::LeftButton);
            QCOMPARE(QApplication::focusWidget(), edit);
            edit->selectAll();
            typed.isEmpty() ? QTest::keyClick(edit, Qt::Key_Delete) : QTest::keyClicks(edit, typed);
            QTest::keyClick(edit, Qt::Key_Tab);
            QVERIFY(QApplication::focusWidget() != edit);
            QCOMPARE(edit->text(), shown);
            QTest::mouseClick(control<QAbstractButton>(*dialog, "cmdOk"), Qt::LeftButton);
            const QString key = name == "txtSpacing"               ? form.mid(3) + "Spacing"
                                : name == "txtPictureSizeX"        ? "PictureMaxWidth"
                                : name == "txtPictureSizeY"        ? "PictureMaxHeight"
                                : name == "txtPictureLabelSpacing" ? "PictureLabelSpacingY"
                                                                   : name.mid(3);
            QVERIFY2(written->contains(key + '=' + shown),
                     qPrintable(form + ": " + written->join(' ')));
        }
    }

    // In Printer Setup a paper or orientation the user picked, with the mouse or the keyboard,
    // stays when another printer is chosen afterwards; OK makes them the printer's.
    void printerSetupKeepsWhatWasPicked()
    {
        TestPrinters printers({"First", "Second"});
        const std::unique_ptr<PrinterSurface> surface = printers.open("First");
        PrinterSetupDialog dialog(nullptr, printers, *surface);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto* names = control<QComboBox>(dialog, "cboPrinter");
        auto* papers = control<QComboBox>(dialog, "cboPaper");
        auto* landscape = control<QRadioButton>(dialog, "optLandscape");
        const QString own = papers->currentText();
        QTest::mouseClick(landscape, Qt::LeftButton);
        papers->setFocus();
        QTest::keyClick(papers, Qt::Key_Down);
        const QString paper = papers->currentText();
        QVERIFY(paper != own);
        names->setFocus();
        QTest::keyClick(names, Qt::Key_Down);
        QCOMPARE(names->currentData().toString(), "Second");
        QCOMPARE(papers->currentText(), paper);
        QVERIFY(landscape->isChecked());
        QTest::mouseClick(control<QAbstractButton>(dialog, "cmdOk"), Qt::LeftButton);
        const QPageLayout chosen = surface->printer().pageLayout();
        QCOMPARE(surface->printerName() + ' ' + chosen.pageSize().name(), "Second " + paper);
        QCOMPARE(chosen.orientation(), QPageLayout::Landscape);
    }

    // Printer Setup opens at the surface's own paper, one its printer does not list included, but
    // only when it opens at the surface's printer: a surface on a printer no longer installed
    // opens at the default printer and its paper, and another printer chosen offers its own
    // papers. OK with nothing changed keeps the surface's paper; Cancel after another printer was
    // tried leaves the surface as it was.
    void printerSetupOwnPaper()
    {
        TestPrinters printers({"First", "Second"});
        const QPageSize card(QSizeF(100, 150), QPageSize::Millimeter, "Card");
        const QString firstPaper = DefaultsOf("First").paper.name();
        const QString secondPaper = DefaultsOf("Second").paper.name();
        QVERIFY(firstPaper != "A5" && secondPaper != "A5");
        const qsizetype listed = PaperSizes("First").size();
        for (const QString on : {"First", "Gone"}) {
            for (const QPageSize& paper : {QPageSize(QPageSize::A5), card}) {
                const bool own = on == "First";
                for (const bool ok : {true, false}) {
                    const std::unique_ptr<PrinterSurface> surface = printers.open(on);
                    surface->printer().setPageSize(paper);
                    PrinterSetupDialog dialog(nullptr, printers, *surface);
                    dialog.show();
                    QVERIFY(QTest::qWaitForWindowActive(&dialog));
                    auto* names = control<QComboBox>(dialog, "cboPrinter");
                    auto* papers = control<QComboBox>(dialog, "cboPaper");
                    QCOMPARE(names->currentData().toString(), "First");
                    QCOMPARE(papers->currentText(), own ? paper.name() : firstPaper);
                    const bool added = own && paper == card;
                    QCOMPARE(papers->count(), listed + (added ? 1 : 0));
                    QCOMPARE(papers->findText("Card"), added ? 0 : -1);
                    if (ok) {
                        QTest::mouseClick(control<QAbstractButton>(dialog, "cmdOk"),
                                          Qt::LeftButton);
                        QCOMPARE(surface->printerName(), "First");
                        QCOMPARE(surface->printer().pageLayout().pageSize().name(),
                                 own ? paper.name() : firstPaper);
                        continue;
                    }
                    names->setFocus();
                    QTest::keyClick(names, Qt::Key_Down);
                    QCOMPARE(names->currentData().toString(), "Second");
                    QCOMPARE(papers->currentText(), secondPaper);
                    QCOMPARE(papers->findText("Card"), -1);
                    QTest::keyClick(names, Qt::Key_Up);
                    QCOMPARE(names->currentData().toString(), "First");
                    QTest::keyClick(&dialog, Qt::Key_Escape);
                    QVERIFY(!dialog.isVisible());
                    QCOMPARE(surface->printerName(), on);
                    QCOMPARE(surface->printer().pageLayout().pageSize().name(), paper.name());
                }
            }
        }
    }

    // The header's text box takes typing only while Text is chosen; the text stays in it
    // whatever is chosen, and OK (Enter) stores it with the style chosen last.
    void bandTextOnlyForText()
    {
        Sandbox box;
        const auto [dialog, written] = open("frmHeader", box, NoChooser);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
        auto* text = control<QLineEdit>(*dialog, "txtContext");
        QVERIFY(!text->isEnabled());
        for (const int style : {2, 1, 0, 2, 1}) {
            const QString name = QStringLiteral("optSetting%1").arg(style);
            QTest::mouseClick(control<QRadioButton>(*dialog, name), Qt::LeftButton);
            QCOMPARE(text->isEnabled(), style == 2);
            if (style == 2 && text->text().isEmpty()) {
                QTest::mouseClick(text, Qt::LeftButton);
                QTest::keyClicks(text, "Summer");
            }
        }
        QCOMPARE(text->text(), "Summer");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(box.get("HeaderText") + ' ' + box.get("HeaderStyle"), "Summer 1");
        QVERIFY(!written->isEmpty());
    }

    // Tab and Shift+Tab enter a set of options at the one chosen, also after an arrow key chose
    // another or the program did; Enter then stores what the keys chose.
    void tabEntersOptionsAtTheChosen()
    {
        const auto press = [](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
            QTest::keyClick(QApplication::focusWidget(), key, modifiers);
            const QWidget* focus = QApplication::focusWidget();
            return focus ? focus->objectName() : QString();
        };
        Sandbox box;
        box.put({"LabelPosition=Below", "PrintLabel=FileName"});
        const auto [label, written] = open("frmLabel", box, NoChooser);
        label->show();
        QVERIFY(QTest::qWaitForWindowActive(label.get()));
        control<QWidget>(*label, "cmdFont")->setFocus();
        QCOMPARE(press(Qt::Key_Tab), "optLabelSetting1");
        QCOMPARE(press(Qt::Key_Down), "optLabelSetting2");
        press(Qt::Key_Tab);
        QCOMPARE(press(Qt::Key_Tab, Qt::ShiftModifier), "optLabelSetting2");
        label->findChild<QTabBar*>()->setFocus();
        press(Qt::Key_Right);
        for (int i = 0; i < 2; ++i)
            press(Qt::Key_Tab);
        QCOMPARE(press(Qt::Key_Tab), "optPosition1");
        QCOMPARE(press(Qt::Key_Up), "optPosition0");
        press(Qt::Key_Return);
        QCOMPARE(box.get("LabelPosition") + ' ' + box.get("PrintLabel"), "Above FilePathName");

        TestPrinters printers({"First", "Second"});
        const std::unique_ptr<PrinterSurface> surface = printers.open("First");
        surface->printer().setPageOrientation(QPageLayout::Landscape);
        PrinterSetupDialog setup(nullptr, printers, *surface);
        setup.show();
        QVERIFY(QTest::qWaitForWindowActive(&setup));
        control<QWidget>(setup, "cboPaper")->setFocus();
        QCOMPARE(press(Qt::Key_Tab), "optLandscape");
        control<QWidget>(setup, "cboPrinter")->setFocus();
        press(Qt::Key_Down); // the next printer's own orientation
        control<QWidget>(setup, "cboPaper")->setFocus();
        QCOMPARE(press(Qt::Key_Tab), "optPortrait");
    }

    // The Print Size dialog opened on a store, boxes typed into and left, then OK: what the
    // boxes show, what the printer was asked, the messages, and what was written.
    void printSize()
    {
        const QList<QStringList> rows{
            {"", "", ""},
            {"Scale=inch|PictureMaxWidth=5.08|PictureMaxHeight=big|PictureSpacingX=-0.5|"
             "PictureSpacingY=3 cm|PictureLabelSpacingY=0",
             "", "cmdCancel"},
            {"",
             "txtPictureSizeX=3 cm|txtPictureSizeY=1,5|txtPictureSpacingX=|"
             "txtPictureSpacingY=.1|txtPictureLabelSpacing=-1.50",
             "cmdCancel"},
            {"", "txtPictureSizeX=8|txtPictureSpacingX=0.1", ""},
            {"", "txtPictureSizeX=7.9|txtPictureSpacingX=0.1", ""},
            {"", "txtPictureSizeY=10|txtPictureLabelSpacing=0.5", ""}, // the label gap counts
            {"Scale=CM", "txtPictureSizeX=20.3", ""},
            {"Scale=CM", "txtPictureSizeX=-1|txtPictureSizeY=0|txtPictureSpacingX=-0.5", ""},
            {"", "txtPictureSizeX=-1e39", ""},
            {"", "", "no printer"}};
        QString text;
        for (const QStringList& row : rows) {
            Sandbox box;
            box.put(row[0].split('|', Qt::SkipEmptyParts));
            Dialog dialog(nullptr, box.store, box.printer);
            dialog.show();
            act(dialog, row[1].split('|', Qt::SkipEmptyParts));
            QStringList shown;
            for (const QLineEdit* edit : dialog.findChildren<QLineEdit*>())
                shown << edit->text();
            if (row[2] == "no printer")
                box.printer.failAtCall(box.printer.calls().size(), "No printer is installed.");
            act(dialog, {row[2] == "cmdCancel" ? "cmdCancel" : "cmdOk"});
            text += QStringLiteral("== %1\n%2 %3\nprinter asked: %4%5\n%6%7\n")
                        .arg(row.join(" / "), control<QLabel>(dialog, "lblUnit")->text(),
                             shown.join(' '))
                        .arg(box.printer.abandonedDocuments())
                        .arg(dialog.isVisible() ? ", still open" : "",
                             dialog.messages.join('\n').replace("\r\n", " / "),
                             dialog.written.join('\n'));
        }
        QUENBROOK_COMPARE_GOLDEN("windows/print-size-dialog.txt", text);
    }

    // A dialog opens centred on its owner and whole on the screen: an owner half off a corner
    // puts it right against that corner's two edges.
    void centredOnOwnerWithinScreen()
    {
        const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
        QWidget owner;
        owner.resize(200, 150);
        QDialog dialog(&owner);
        dialog.resize(300, 200);
        owner.move(free.center() - QPoint(100, 75));
        CentreOnOwner(dialog);
        QCOMPARE(dialog.frameGeometry().center(), owner.frameGeometry().center());
        owner.move(free.bottomRight() - QPoint(100, 75));
        CentreOnOwner(dialog);
        QCOMPARE(dialog.frameGeometry().bottomRight(), free.bottomRight());
        owner.move(free.topLeft() - QPoint(100, 75));
        CentreOnOwner(dialog);
        QCOMPARE(dialog.frameGeometry().topLeft(), free.topLeft());
    }
};

QUENBROOK_TEST(tst_Dialogs)
#include "tst_dialogs.moc"
