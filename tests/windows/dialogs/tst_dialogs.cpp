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
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QRadioButton>
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
    explicit Sandbox(const QStringList& stored = {}) { put(stored); }
    RecordingSurface printer;
};

// A dialog whose writes are kept in order as "Key=Value" and still reach the store, and whose
// messages are kept instead of shown.
template <class Dialog> struct Recorded : Dialog
{
    using Dialog::Dialog;
    QStringList written, messages;
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

// "cmdOk" clicks a button; "Esc" presses Escape; "lstStyle=Bold" picks an entry of a list;
// "txtSpacing=.25" types into a text box over what it held and leaves it, as Tab would.
void act(QWidget& dialog, const QStringList& steps)
{
    for (const QString& step : steps) {
        const QString name = step.section('=', 0, 0), value = step.section('=', 1);
        if (step == "Esc") {
            QTest::keyClick(&dialog, Qt::Key_Escape);
        } else if (!step.contains('=')) {
            control<QAbstractButton>(dialog, step)->click();
        } else if (auto* list = dialog.findChild<QListWidget*>(name)) {
            list->setCurrentItem(list->findItems(value, Qt::MatchExactly).value(0));
        } else if (auto* box = control<QLineEdit>(dialog, name)) {
            box->selectAll();
            value.isEmpty() ? QTest::keyClick(box, Qt::Key_Delete) : QTest::keyClicks(box, value);
            QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
            QApplication::sendEvent(box, &out);
        }
    }
}

// A key pressed in the control that has the focus, or in `in` given the focus first; the name of
// the control that has the focus after.
QString press(Qt::Key key, QWidget* in = nullptr, Qt::KeyboardModifiers modifiers = {})
{
    if (in)
        in->setFocus();
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

// A dialog on the sandbox's store and printer, shown and active; the writes it makes and the
// messages it shows.
using Opened = std::tuple<std::unique_ptr<QDialog>, const QStringList*, const QStringList*>;

template <class Form, class... Chooser> Opened make(Sandbox& box, const Chooser&... chooser)
{
    auto* dialog = new Recorded<Form>(nullptr, box.store, box.printer, chooser...);
    dialog->show();
    if (!QTest::qWaitForWindowActive(dialog))
        QTest::qFail("the dialog is not active", __FILE__, __LINE__);
    return {std::unique_ptr<QDialog>(dialog), &dialog->written, &dialog->messages};
}

// With no chooser given, the font button is not to be clicked.
Opened open(const QString& form, Sandbox& box, const FontChooser& chooser = {})
{
    return form == "frmHeader"   ? make<frmHeader>(box, chooser)
           : form == "frmFooter" ? make<frmFooter>(box, chooser)
           : form == "frmLabel"  ? make<frmLabel>(box, chooser)
                                 : make<frmPrintSize>(box);
}

// Clicks the dialog's font button and OK; `work` is done on the font chooser the button opens,
// once the focus is in it, and the chooser is closed if `work` leaves it open.
void inChooser(QWidget& dialog, const std::function<void(QDialog&)>& work)
{
    QTimer::singleShot(0, [&] {
        auto* chooser = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (chooser && chooser->objectName() == "dlgFont" && QTest::qWaitFor([&] {
                return QApplication::focusWidget() &&
                       QApplication::focusWidget()->window() == chooser;
            }))
            work(*chooser);
        if (chooser && chooser->isVisible())
            chooser->reject();
    });
    act(dialog, {"cmdFont", "cmdOk"});
}

} // namespace

// The option dialogs, the font chooser and Printer Setup: what they show, write and refuse.
class tst_Dialogs : public QObject
{
    Q_OBJECT

private slots:
    // A dialog opens centred on its owner and whole on the screen: an owner half off a corner
    // puts it right against that corner's two edges. Each form opened on a store, edited, closed
    // with OK, Cancel or Esc: the options checked on opening, the font the chooser starts at, and
    // every write in order. Then the Print Size dialog the same way: what the boxes show, what
    // the printer was asked, the messages.
    void openEditOk()
    {
        const QRect free = QApplication::primaryScreen()->availableGeometry();
        QWidget owner;
        owner.resize(200, 150);
        QDialog centred(&owner);
        centred.resize(300, 200);
        owner.move(free.center() - QPoint(100, 75));
        CentreOnOwner(centred);
        QCOMPARE(centred.frameGeometry().center(), owner.frameGeometry().center());
        owner.move(free.bottomRight() - QPoint(100, 75));
        CentreOnOwner(centred);
        QCOMPARE(centred.frameGeometry().bottomRight(), free.bottomRight());
        owner.move(free.topLeft() - QPoint(100, 75));
        CentreOnOwner(centred);
        QCOMPARE(centred.frameGeometry().topLeft(), free.topLeft());

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
            Sandbox box(row[1].split('|', Qt::SkipEmptyParts));
            QStringList asked; // by a chooser that is cancelled
            const auto [dialog, written, messages] = open(row[0], box, [&](auto*, const auto& f) {
                asked << FontSizeText(f.Font.Size) + ' ' + QString::number(f.Color);
                return std::optional<ChosenFont>();
            });
            QStringList checked;
            for (const QRadioButton* option : dialog->findChildren<QRadioButton*>())
                if (option->isChecked())
                    checked << option->objectName();
            const int abandoned = box.printer.abandonedDocuments();
            const bool closes = row[2].endsWith("Esc") || row[2].endsWith("cmdCancel");
            act(*dialog, (row[2] + (closes ? "" : "|cmdOk")).split('|', Qt::SkipEmptyParts));
            checked << (dialog->isVisible() ? "(still open)" : "");
            text += "== " + row.join(" / ") + "\nchecked: " + checked.join(' ') +
                    QStringLiteral("\nprinter asked: %1\nchooser: ").arg(abandoned) +
                    asked.join(' ') + '\n' + written->join('\n') + '\n';
        }
        QUENBROOK_COMPARE_GOLDEN("windows/option-dialog-writes.txt", text);

        const QList<QStringList> sizes{
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
        text.clear();
        for (const QStringList& row : sizes) {
            Sandbox box(row[0].split('|', Qt::SkipEmptyParts));
            const auto [dialog, written, messages] = open("frmPrintSize", box);
            act(*dialog, row[1].split('|', Qt::SkipEmptyParts));
            QStringList shown;
            for (const QLineEdit* edit : dialog->findChildren<QLineEdit*>())
                shown << edit->text();
            if (row[2] == "no printer")
                box.printer.failAtCall(box.printer.calls().size(), "No printer is installed.");
            act(*dialog, {row[2] == "cmdCancel" ? "cmdCancel" : "cmdOk"});
            text += "== " + row.join(" / ") + '\n' + control<QLabel>(*dialog, "lblUnit")->text() +
                    ' ' + shown.join(' ') +
                    QStringLiteral("\nprinter asked: %1").arg(box.printer.abandonedDocuments()) +
                    (dialog->isVisible() ? ", still open\n" : "\n") +
                    messages->join('\n').replace("\r\n", " / ") + written->join('\n') + '\n';
        }
        QUENBROOK_COMPARE_GOLDEN("windows/print-size-dialog.txt", text);
    }

    // A size typed into the real chooser, with the keyboard alone: Tab from the family box to the
    // size box, the size typed, Tab into the size list and on, Enter. A size the list lacks stays
    // in the box and is what OK stores; keys in the list still choose its sizes. Then the real
    // chooser opened from the real dialog's font button: what the user leaves alone comes back
    // as it was stored, whatever the family calls its styles.
    void realChooser()
    {
        // form, typed, keys, stored
        const QList<std::tuple<QString, QString, QString, QString>> typings{
            {"frmLabel", "10.5", "", "10.5"},    {"frmHeader", "10.5", "", "10.5"},
            {"frmFooter", "7,25", "", "7.25"},   {"frmLabel", "0.0001", "", "0.0001"},
            {"frmLabel", "12", "", "12"},        {"frmHeader", "10.5", "Down", "list"},
            {"frmLabel", "10.5", "End", "list"}, {"frmFooter", "10.5", "Click", "list"}};
        for (const auto& [form, typed, keys, stored] : typings) {
            const QString prefix = form == "frmLabel" ? "" : form.mid(3);
            Sandbox box({prefix + "FontName=Sans", prefix + "FontSize=9"});
            QStringList seen;
            QString fromList = typed;
            inChooser(*std::get<0>(open(form, box, ChooseFont)), [&](QDialog& chooser) {
                auto* size = control<QLineEdit>(chooser, "txtSize");
                auto* sizes = control<QListWidget>(chooser, "lstSize");
                seen << press(Qt::Key_Tab) << press(Qt::Key_Tab) << press(Qt::Key_Tab);
                QTest::keyClicks(size, typed);
                seen << press(Qt::Key_Tab) << size->text();
                if (keys == "Click") {
                    // The size highlighted in the list, clicked, is taken though it stays the
                    // current one.
                    QVERIFY(sizes->currentItem());
                    QTest::mouseClick(sizes->viewport(), Qt::LeftButton, {},
                                      sizes->visualItemRect(sizes->currentItem()).center());
                } else if (!keys.isEmpty()) {
                    press(keys == "Down" ? Qt::Key_Down : Qt::Key_End);
                }
                if (!keys.isEmpty() && sizes->currentItem())
                    fromList = sizes->currentItem()->text();
                seen << (size->text() == fromList && fromList != typed ? "list" : size->text());
                press(Qt::Key_Tab);
                seen << size->text();
                press(Qt::Key_Return);
                seen << (chooser.isVisible() ? "still open" : "closed");
            });
            QCOMPARE(seen, QStringList({"lstFamily", "lstStyle", "txtSize", "lstSize", typed,
                                        keys.isEmpty() ? typed : "list", fromList, "closed"}));
            QCOMPARE(box.get(prefix + "FontSize"), stored == "list" ? fromList : stored);
        }

        if (!QFontDatabase::hasFamily("DejaVu Sans") || !QFontDatabase::hasFamily("DejaVu Serif"))
            QSKIP("needs the DejaVu fonts (scripts/install-deps.sh)");
        // DejaVu Sans names its plain style "Book" and its italic one "Oblique".
        const QString plain = "DejaVu Sans|10|False|False|False|False|0";
        const QList<QStringList> rows{
            {"frmFooter", plain, ""},
            {"frmHeader", "dejavu sans|10.3333|True|True|True|True|-1", ""},
            {"frmLabel", "Monospace|10|False|False|False|False|255", ""},
            {"frmFooter", plain, "txtSize=10.5"},
            {"frmLabel", plain, "lstFamily=DejaVu Serif|lstStyle=Italic|chkUnderline"},
            {"frmHeader", plain, "chkStrikeout|txtSize=2049"},
            {"frmFooter", plain, "txtFamily=Qzx"},
            {"frmLabel", plain, "txtSize=12|lstStyle=Bold|cmdCancel"}};
        const QStringList keys{"FontName",          "FontSize",      "FontBold", "FontItalic",
                               "FontStrikethrough", "FontUnderline", "FontColor"};
        QString text;
        for (const QStringList& row : rows) {
            const QString prefix = row[0] == "frmLabel" ? "" : row[0].mid(3);
            Sandbox box;
            for (int i = 0; i < keys.size(); ++i)
                box.put({prefix + keys[i] + '=' + row[1].section('|', i, i)});
            QString shown = "no chooser";
            inChooser(*std::get<0>(open(row[0], box, ChooseFont)), [&](QDialog& chooser) {
                const auto* sample = control<QLabel>(chooser, "lblSample");
                shown = control<QLineEdit>(chooser, "txtStyle")->text() +
                        (sample->font().italic() ? ", italic" : "") +
                        (sample->font().bold() ? ", bold" : "") + ", in " +
                        sample->palette().color(QPalette::WindowText).name();
                act(chooser, row[2].split('|', Qt::SkipEmptyParts));
                if (row[2].contains("lstStyle"))
                    shown += ", then " + control<QLineEdit>(chooser, "txtStyle")->text();
                if (control<QLabel>(chooser, "lblProblem")->isVisible())
                    shown += "\nproblem: " + control<QLabel>(chooser, "lblProblem")->text();
                if (chooser.isVisible()) // a disabled OK takes no click
                    control<QAbstractButton>(chooser, "cmdOk")->click();
            });
            text += "== " + row.join(" / ") + "\nshown: " + shown + "\nafter: ";
            for (const QString& key : keys)
                text += box.get(prefix + key) + (key == keys.last() ? '\n' : '|');
        }
        QUENBROOK_COMPARE_GOLDEN("windows/font-chooser.txt", text);
    }

    // A number box is checked when the user leaves it: its tab chosen with the mouse, the box
    // clicked, the text typed over what it held, Tab; then a click on OK keeps what it shows.
    // The header's text box takes typing only while Text is chosen; the text stays in it
    // whatever is chosen, and OK (Enter) stores it with the style chosen last. Tab and Shift+Tab
    // enter a set of options at the one chosen, also after an arrow key chose another or the
    // program did; Enter then stores what the keys chose.
    void byMouseAndKeys()
    {
        // form, tab, box, typed, shown after Tab, key written
        const QList<std::tuple<QString, QString, QString, QString, QString, QString>> rows{
            {"Header", "Spacing", "Spacing", ".25", "0.25", "HeaderSpacing"},
            {"Footer", "Spacing", "Spacing", "", "0", "FooterSpacing"},
            {"Footer", "Spacing", "Spacing", "-1.50", "-1.5", "FooterSpacing"},
            {"PrintSize", "Size", "PictureSizeX", "3 cm", "3", "PictureMaxWidth"},
            {"PrintSize", "Size", "PictureSizeY", "1e-5", "1E-05", "PictureMaxHeight"},
            {"PrintSize", "PicSpac", "PictureSpacingX", "1,5", "1", "PictureSpacingX"},
            {"PrintSize", "PicSpac", "PictureSpacingY", "", "0", "PictureSpacingY"},
            {"PrintSize", "PicLabel", "PictureLabelSpacing", "0.50", "0.5",
             "PictureLabelSpacingY"}};
        for (const auto& [form, tab, name, typed, shown, key] : rows) {
            Sandbox box;
            const auto [dialog, written, messages] = open("frm" + form, box);
            auto* tabs = dialog->findChild<QTabBar*>();
            for (int i = 0; i < tabs->count(); ++i)
                if (tabs->tabData(i).toString() == tab)
                    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(i).center());
            auto* edit = control<QLineEdit>(*dialog, "txt" + name);
            QVERIFY2(edit->isVisible(), qPrintable(form + ' ' + name));
            QTest::mouseClick(edit, Qt::LeftButton);
            QCOMPARE(QApplication::focusWidget(), edit);
            edit->selectAll();
            typed.isEmpty() ? QTest::keyClick(edit, Qt::Key_Delete) : QTest::keyClicks(edit, typed);
            QVERIFY(press(Qt::Key_Tab) != edit->objectName());
            QCOMPARE(edit->text(), shown);
            QTest::mouseClick(control<QAbstractButton>(*dialog, "cmdOk"), Qt::LeftButton);
            QVERIFY2(written->contains(key + '=' + shown),
                     qPrintable(form + ": " + written->join(' ')));
        }

        Sandbox box({"LabelPosition=Below", "PrintLabel=FileName"});
        const std::unique_ptr<QDialog> header = std::move(std::get<0>(open("frmHeader", box)));
        auto* text = control<QLineEdit>(*header, "txtContext");
        for (const int style : {2, 1, 0, 2, 1}) {
            const QString name = QStringLiteral("optSetting%1").arg(style);
            QTest::mouseClick(control<QRadioButton>(*header, name), Qt::LeftButton);
            QCOMPARE(text->isEnabled(), style == 2);
            if (style == 2 && text->text().isEmpty()) {
                QTest::mouseClick(text, Qt::LeftButton);
                QTest::keyClicks(text, "Summer");
            }
        }
        QCOMPARE(text->text(), "Summer");
        press(Qt::Key_Return);
        QVERIFY(!header->isVisible());
        QCOMPARE(box.get("HeaderText") + ' ' + box.get("HeaderStyle"), "Summer 1");

        const std::unique_ptr<QDialog> label = std::move(std::get<0>(open("frmLabel", box)));
        QCOMPARE(press(Qt::Key_Tab, control<QWidget>(*label, "cmdFont")), "optLabelSetting1");
        QCOMPARE(press(Qt::Key_Down), "optLabelSetting2");
        press(Qt::Key_Tab);
        QCOMPARE(press(Qt::Key_Tab, nullptr, Qt::ShiftModifier), "optLabelSetting2");
        press(Qt::Key_Right, label->findChild<QTabBar*>());
        for (int i = 0; i < 2; ++i)
            press(Qt::Key_Tab);
        QCOMPARE(press(Qt::Key_Tab), "optPosition1");
        QCOMPARE(press(Qt::Key_Up), "optPosition0");
        press(Qt::Key_Return);
        QCOMPARE(box.get("LabelPosition") + ' ' + box.get("PrintLabel"), "Above FilePathName");
    }

    // Printer Setup opens at the surface's own paper, one its printer does not list included, but
    // only when it opens at the surface's printer: a surface on a printer no longer installed
    // opens at the default printer and its paper, and another printer chosen offers its own
    // papers. OK with nothing changed keeps the surface's paper; Cancel after another printer was
    // tried leaves the surface as it was. A paper or orientation the user picked, with the mouse
    // or the keyboard, stays when another printer is chosen afterwards; OK makes them the
    // printer's. Tab enters the orientations at the one chosen, also after the printer chosen
    // changed it.
    void printerSetupDialog()
    {
        TestPrinters printers({"First", "Second"});
        std::unique_ptr<PrinterSurface> surface;
        std::unique_ptr<PrinterSetupDialog> dialog;
        QComboBox *names = nullptr, *papers = nullptr;
        // Printer Setup shown on a surface of `on` that `prepare` has set up.
        const auto open = [&](const QString& on, const std::function<void(QPrinter&)>& prepare) {
            dialog.reset();
            surface = printers.open(on);
            prepare(surface->printer());
            dialog = std::make_unique<PrinterSetupDialog>(nullptr, printers, *surface);
            names = control<QComboBox>(*dialog, "cboPrinter");
            papers = control<QComboBox>(*dialog, "cboPaper");
            dialog->show();
            return QTest::qWaitForWindowActive(dialog.get());
        };
        const auto at = [&] {
            return names->currentData().toString() + ' ' + papers->currentText();
        };
        const auto kept = [&] {
            return surface->printerName() + ' ' + surface->printer().pageLayout().pageSize().name();
        };
        const QPageSize card(QSizeF(100, 150), QPageSize::Millimeter, "Card");
        const QString firstPaper = DefaultsOf("First").paper.name();
        const QString secondPaper = DefaultsOf("Second").paper.name();
        QVERIFY(firstPaper != "A5" && secondPaper != "A5");
        const qsizetype listed = PaperSizes("First").size();
        for (const QString on : {"First", "Gone"})
            for (const QPageSize& paper : {QPageSize(QPageSize::A5), card})
                for (const bool ok : {true, false}) {
                    QVERIFY(open(on, [&](QPrinter& printer) { printer.setPageSize(paper); }));
                    const bool own = on == "First", added = own && paper == card;
                    QCOMPARE(at(), "First " + (own ? paper.name() : firstPaper));
                    QCOMPARE(papers->count(), listed + (added ? 1 : 0));
                    QCOMPARE(papers->findText("Card"), added ? 0 : -1);
                    if (ok) {
                        QTest::mouseClick(control<QAbstractButton>(*dialog, "cmdOk"),
                                          Qt::LeftButton);
                        QCOMPARE(kept(), "First " + (own ? paper.name() : firstPaper));
                        continue;
                    }
                    press(Qt::Key_Down, names);
                    QCOMPARE(at(), "Second " + secondPaper);
                    QCOMPARE(papers->findText("Card"), -1);
                    press(Qt::Key_Up);
                    QCOMPARE(names->currentData().toString(), "First");
                    QTest::keyClick(dialog.get(), Qt::Key_Escape);
                    QVERIFY(!dialog->isVisible());
                    QCOMPARE(kept(), on + ' ' + paper.name());
                }

        QVERIFY(open("First", [](QPrinter&) {}));
        auto* landscape = control<QRadioButton>(*dialog, "optLandscape");
        const QString own = papers->currentText();
        QTest::mouseClick(landscape, Qt::LeftButton);
        press(Qt::Key_Down, papers);
        const QString paper = papers->currentText();
        QVERIFY(paper != own);
        press(Qt::Key_Down, names);
        QCOMPARE(at(), "Second " + paper);
        QVERIFY(landscape->isChecked());
        QTest::mouseClick(control<QAbstractButton>(*dialog, "cmdOk"), Qt::LeftButton);
        QCOMPARE(kept(), "Second " + paper);
        QCOMPARE(surface->printer().pageLayout().orientation(), QPageLayout::Landscape);

        QVERIFY(open("First", [](QPrinter& p) { p.setPageOrientation(QPageLayout::Landscape); }));
        QCOMPARE(press(Qt::Key_Tab, papers), "optLandscape");
        press(Qt::Key_Down, names); // the next printer's own orientation
        QCOMPARE(press(Qt::Key_Tab, papers), "optPortrait");
    }
};

QUENBROOK_TEST(tst_Dialogs)
#include "tst_dialogs.moc"
