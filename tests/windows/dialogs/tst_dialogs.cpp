#include "core/album/AlbumPage.h"
#include "core/album/PageLayout.h"
#include "core/album/PrintSettingsLoader.h"
#include "core/settings/NumberRules.h"
#include "print/PrinterSurface.h"
#include "support/RecordingSurface.h"
#include "support/SettingsSandbox.h"
#include "support/TestMain.h"
#include "support/TestPrinters.h"
#include "windows/common/Messages.h"
#include "windows/common/WindowServices.h"
#include "windows/dialogs/BandDialog.h"
#include "windows/dialogs/FontChooser.h"
#include "windows/dialogs/OptionDialogs.h"
#include "windows/dialogs/PrinterSetupDialog.h"
#include "windows/dialogs/frmLabel.h"
#include "windows/dialogs/frmPrintSize.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QFontDatabase>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>

#include <clocale>

using namespace quenbrook;

Q_DECLARE_METATYPE(quenbrook::OptionDialog)

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
const QStringList PrinterFont = {"Sans", "10", "False", "False", "False", "False", "0"};

QStringList entries(const QStringList& values, const QString& prefix)
{
    QStringList out;
    for (int i = 0; i < values.size(); ++i)
        out << prefix + Band[i] + '=' + values[i];
    return out;
}

using Dialog = Recorded<frmPrintSize>;

const QStringList Boxes = {"txtPictureSizeX", "txtPictureSizeY", "txtPictureSpacingX",
                           "txtPictureSpacingY", "txtPictureLabelSpacing"};
const QStringList Keys = {"PictureMaxWidth", "PictureMaxHeight", "PictureSpacingX",
                          "PictureSpacingY", "PictureLabelSpacingY"};
const QString TooLarge = "Picture size larger than paper size!!\r\nThe paper size is ";

} // namespace

// The option dialogs, the font chooser and Printer Setup: what they show, write and refuse.
class tst_Dialogs : public QObject
{
    Q_OBJECT

private slots:
    void openEditOk_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("checked"); // on opening
        QTest::addColumn<QStringList>("writes");  // all writes in order, or (fewer than 9) some

        const QStringList bandDefaults = {"optAlignment0", "optSetting0"};
        QTest::newRow("header, empty store")
            << "frmHeader" << QStringList() << QStringList() << bandDefaults
            << entries(PrinterFont + QStringList{"", "0", "0", "0.1"}, "Header");
        QTest::newRow("label, empty store")
            << "frmLabel" << QStringList() << QStringList()
            << QStringList{"optLabelSetting1", "optPosition0"}
            << entries(PrinterFont, "") + QStringList{"LabelPosition=Above", "PrintLabel=FileName"};
        QTest::newRow("footer: text kept under None, only footer keys")
            << "frmFooter" << QStringList{"Scale=CM", "FooterFontColor=-1", "HeaderText=other"}
            << QStringList{"optSetting2", "txtContext=Holiday 2024", "optSetting0", "optAlignment2",
                           "txtSpacing=.25"}
            << bandDefaults
            << entries({"Sans", "10", "False", "False", "False", "False", "-1", "Holiday 2024", "2",
                        "0", "0.25"},
                       "Footer");
        QTest::newRow("chooser cancelled, 10.5 kept")
            << "frmHeader"
            << QStringList{"HeaderFontSize=10.5", "HeaderFontBold=1", "HeaderFontColor=&HFF"}
            << QStringList{"cmdFont"} << bandDefaults
            << QStringList{"HeaderFontSize=10.5", "HeaderFontBold=True", "HeaderFontColor=255"};
        QTest::newRow("style 7, alignment -1")
            << "frmHeader" << QStringList{"HeaderStyle=7", "HeaderAlignment=-1"} << QStringList()
            << bandDefaults << QStringList{"HeaderAlignment=0", "HeaderStyle=0"};
        QTest::newRow("style 2, alignment 1.5 to even, size 0, font the system lacks")
            << "frmFooter"
            << QStringList{"FooterStyle=2", "FooterAlignment=1.5", "FooterFontSize=0",
                           "FooterFontName=No Such Font Qzx"}
            << QStringList() << QStringList{"optAlignment2", "optSetting2"}
            << QStringList{"FooterFontName=Sans", "FooterFontSize=10", "FooterAlignment=2",
                           "FooterStyle=2"};
        const QString present = QFontDatabase::families().value(0);
        QTest::newRow("above in lower case, path and name, font the system has")
            << "frmLabel"
            << QStringList{"LabelPosition=above", "PrintLabel=FilePathName", "FontName=" + present}
            << QStringList() << QStringList{"optLabelSetting2", "optPosition1"}
            << QStringList{"FontName=" + present, "LabelPosition=Below", "PrintLabel=FilePathName"};
        // fontconfig's aliases, which the chooser lists, are fonts the system has.
        QTest::newRow("header, Serif")
            << "frmHeader" << QStringList{"HeaderFontName=Serif"} << QStringList() << bandDefaults
            << QStringList{"HeaderFontName=Serif"};
        QTest::newRow("label, Serif")
            << "frmLabel" << QStringList{"FontName=Serif"} << QStringList()
            << QStringList{"optLabelSetting1", "optPosition0"} << QStringList{"FontName=Serif"};
        QTest::newRow("filename in lower case, then None chosen")
            << "frmLabel" << QStringList{"PrintLabel=filename"}
            << QStringList{"optPosition1", "optLabelSetting0"}
            << QStringList{"optLabelSetting0", "optPosition0"}
            << entries(PrinterFont, "") + QStringList{"LabelPosition=Below", "PrintLabel=None"};
    }

    void openEditOk()
    {
        QFETCH(QString, form);
        QFETCH(QStringList, stored);
        QFETCH(QStringList, steps);
        QFETCH(QStringList, checked);
        QFETCH(QStringList, writes);
        Sandbox box;
        box.put(stored);
        QList<ChosenFont> shown; // by a chooser that is cancelled
        const auto [dialog, written] = open(form, box, [&](QWidget*, const ChosenFont& current) {
            shown << current;
            return std::optional<ChosenFont>();
        });

        QStringList checkedNow;
        for (const QRadioButton* option : dialog->findChildren<QRadioButton*>())
            if (option->isChecked())
                checkedNow << option->objectName();
        checkedNow.sort();
        QCOMPARE(checkedNow, checked);
        QCOMPARE(box.printer.abandonedDocuments(), 1); // after asking for the printer's font
        act(*dialog, steps + QStringList{"cmdOk"});

        if (writes.size() >= 9)
            QCOMPARE(*written, writes);
        for (const QString& entry : writes)
            QVERIFY2(written->contains(entry), qPrintable(entry));
        const QString own =
            form == "frmLabel" ? "^(Font|LabelPosition|PrintLabel)" : "^" + form.mid(3);
        for (const QString& entry : *written)
            QVERIFY2(entry.contains(QRegularExpression(own)), qPrintable(entry));
        // The chooser starts at the font read.
        QCOMPARE(shown.size(), int(steps.contains("cmdFont")));
        for (const ChosenFont& font : shown)
            QCOMPARE(FontSizeText(font.Font.Size) + ' ' + QString::number(font.Color), "10.5 255");
    }

    void realChooser_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QStringList>("stored"); // the group's font keys, name to colour
        QTest::addColumn<QStringList>("steps");  // in the chooser, before its OK
        QTest::addColumn<QString>("shown");      // its style and sample on opening
        QTest::addColumn<QString>("problem");    // that keeps OK disabled, so the chooser is
                                                 // cancelled
        QTest::addColumn<QStringList>("after");  // the font keys after the dialog's OK

        // DejaVu Sans names its plain style "Book" and its italic one "Oblique".
        const QStringList plain{"DejaVu Sans", "10", "False", "False", "False", "False", "0"};
        const QStringList all{"dejavu sans", "10.3333", "True", "True", "True", "True", "-1"};
        QStringList typed = plain;
        typed[1] = "10.5";
        const QStringList serif{"DejaVu Serif", "10", "False", "True", "False", "True", "0"};
        QTest::newRow("footer, untouched") << "frmFooter" << plain << QStringList() << "Book"
                                           << "" << plain;
        QTest::newRow("label, untouched") << "frmLabel" << plain << QStringList() << "Book"
                                          << "" << plain;
        QTest::newRow("header, every flag, a spelling and a colour of its own, untouched")
            << "frmHeader" << all << QStringList() << "Bold Oblique, italic, bold"
            << "" << all;
        QStringList alias = plain;
        alias[0] = "Monospace";
        QTest::newRow("label, fontconfig's Monospace, untouched")
            << "frmLabel" << alias << QStringList() << "Normal"
            << "" << alias;
        QTest::newRow("footer, 10.5 typed")
            << "frmFooter" << plain << QStringList{"txtSize=10.5"} << "Book"
            << "" << typed;
        QTest::newRow("label, another family, italic, underlined")
            << "frmLabel" << plain
            << QStringList{"lstFamily=DejaVu Serif", "lstStyle=Italic", "chkUnderline"} << "Book"
            << "" << serif;
        QTest::newRow("header, size too large")
            << "frmHeader" << plain << QStringList{"chkStrikeout", "txtSize=2049"} << "Book"
            << "The size must be a number of points above 0 and up to 2048" << plain;
        QTest::newRow("footer, no such family")
            << "frmFooter" << plain << QStringList{"txtFamily=Qzx"} << "Book"
            << "There is no font with that name." << plain;
        QTest::newRow("label, edited then cancelled")
            << "frmLabel" << plain << QStringList{"txtSize=12", "lstStyle=Bold", "cmdCancel"}
            << "Book"
            << "" << plain;
    }

    // The real chooser, opened from the real dialog's font button: what the user leaves alone
    // comes back as it was stored, whatever the family calls its styles.
    void realChooser()
    {
        QFETCH(QString, form);
        QFETCH(QStringList, stored);
        QFETCH(QStringList, steps);
        if (!QFontDatabase::hasFamily("DejaVu Sans") || !QFontDatabase::hasFamily("DejaVu Serif"))
            QSKIP("needs the DejaVu fonts (scripts/install-deps.sh)");
        const QString prefix = form == "frmLabel" ? "" : form.mid(3);
        Sandbox box;
        box.put(entries(stored, prefix));
        const auto [dialog, written] = open(form, box, ChooseFont);

        QString shown = "no chooser", message;
        QTimer::singleShot(0, [&] {
            auto* chooser = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!chooser || chooser->objectName() != "dlgFont") {
                if (chooser)
                    chooser->reject();
                return;
            }
            const QFont sample = control<QLabel>(*chooser, "lblSample")->font();
            shown = control<QLineEdit>(*chooser, "txtStyle")->text() +
                    (sample.italic() ? ", italic" : "") + (sample.bold() ? ", bold" : "");
            for (const QString& step : steps) {
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
            if (chooser->isVisible()) {
                const QLabel* problem = control<QLabel>(*chooser, "lblProblem");
                message = problem->isVisible() ? problem->text() : QString();
                auto* ok = control<QAbstractButton>(*chooser, "cmdOk");
                ok->isEnabled() ? ok->click() : chooser->reject();
            }
        });
        act(*dialog, {"cmdFont", "cmdOk"});
        QStringList after;
        for (int i = 0; i < 7; ++i)
            after << box.get(prefix + Band[i]);
        QTEST(after, "after");
        QTEST(shown, "shown");
        QFETCH(QString, problem);
        QVERIFY2(problem.isEmpty() ? message.isEmpty() : message.startsWith(problem),
                 qPrintable(message));
    }

    void nextPage_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("text");
        QTest::newRow("header page number") << "frmHeader" << QStringList{"optSetting1"} << "1";
        QTest::newRow("footer text")
            << "frmFooter" << QStringList{"optSetting2", "txtContext=Holiday"} << "Holiday";
        QTest::newRow("label below") << "frmLabel" << QStringList{"optPosition1"} << "beach.bmp";
    }

    // After OK with a chosen font, the next page shows the band or label in it, the size kept to
    // four decimals.
    void nextPage()
    {
        QFETCH(QString, form);
        QFETCH(QStringList, steps);
        QFETCH(QString, text);
        Sandbox box;
        const QString picture = box.filePath("beach.bmp");
        QVERIFY(QImage(40, 30, QImage::Format_RGB32).save(picture));
        const ChosenFont chosen{PrintFont{"Serif", 10.33333, true, true, false, true}, 0xFF00};
        act(*open(form, box, [&](QWidget*, const ChosenFont&) { return std::optional(chosen); })
                 .first,
            steps + QStringList{"cmdFont", "cmdOk"});

        PrintSettings settings;
        PrintSettingsLoader(box.store, box.printer).LoadAll(settings);
        RecordingSurface page;
        const LayoutResult layout = ComputePageLayout(settings, 1, page);
        QVERIFY(std::holds_alternative<PageLayout>(layout));
        page.clearLog();
        QCOMPARE(
            DrawAlbumPage(page, settings, std::get<PageLayout>(layout), {picture}, 1, {}).outcome,
            PageOutcome::Drawn);

        QList<SurfaceCall> texts = page.callsOf(SurfaceCall::Kind::Text);
        texts.removeIf([&](const SurfaceCall& call) { return call.text != text; });
        QCOMPARE(texts.size(), 1);
        QCOMPARE(texts[0].font, (PrintFont{"Serif", 10.3333, true, true, false, true}));
        QCOMPARE(texts[0].color, 0xFF00);
        if (form == "frmLabel")
            QVERIFY(texts[0].rect.top() >
                    page.callsOf(SurfaceCall::Kind::Picture).value(0).rect.bottom());
    }
    void cancel_data()
    {
        QTest::addColumn<OptionDialog>("which");
        QTest::addColumn<QString>("form");
        QTest::addColumn<bool>("byEscape");

        QTest::newRow("print size, Cancel") << OptionDialog::PrintSize << "frmPrintSize" << false;
        QTest::newRow("header, Esc") << OptionDialog::Header << "frmHeader" << true;
        QTest::newRow("footer, Cancel") << OptionDialog::Footer << "frmFooter" << false;
        QTest::newRow("label, Esc") << OptionDialog::Label << "frmLabel" << true;
    }

    // Opened modal to the window; whatever was edited, Cancel and Esc close it and write nothing.
    void cancel()
    {
        QFETCH(OptionDialog, which);
        QFETCH(QString, form);
        QFETCH(bool, byEscape);
        Sandbox box;
        box.put({"HeaderText=kept", "PictureMaxWidth=3"});
        const QStringList before = box.all();
        QWidget owner;
        owner.show();

        QStringList problems{"not opened"};
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            problems.clear();
            if (dialog->objectName() != form || dialog->parentWidget() != &owner)
                problems << "wrong dialog or owner";
            for (QLineEdit* edit : dialog->findChildren<QLineEdit*>())
                edit->setText("5");
            for (QRadioButton* option : dialog->findChildren<QRadioButton*>())
                option->click();
            byEscape ? QTest::keyClick(dialog, Qt::Key_Escape) : act(*dialog, {"cmdCancel"});
            if (dialog->isVisible())
                problems << "still open";
            dialog->reject();
        });
        TestPrinters printers({});
        RunOptionDialog(which, &owner, WindowServices{box.store, printers}, box.printer);

        QVERIFY2(problems.isEmpty(), qPrintable(problems.join("; ")));
        QCOMPARE(box.all(), before);
    }

    // "Save as PDF" is set up like a print queue, without a warning: the usual paper sizes are
    // offered and the paper and orientation chosen are what it lays out on.
    void printerSetupSaveAsPdf()
    {
        QTest::failOnWarning(QRegularExpression(".*"));
        SystemPrinters printers;
        PrinterSurface printer(SaveAsPdfPrinter.toString());
        PrinterSetupDialog dialog(nullptr, printers, printer);
        auto* names = dialog.findChild<QComboBox*>("cboPrinter");
        auto* papers = dialog.findChild<QComboBox*>("cboPaper");
        QCOMPARE(names->currentText(), SaveAsPdfPrinter);
        QVERIFY(papers->findText("A4") >= 0);
        papers->setCurrentIndex(papers->findText("Legal"));
        dialog.findChild<QRadioButton*>("optLandscape")->click();
        dialog.accept();

        QVERIFY(printer.writesPdf() && printer.error().isEmpty());
        QCOMPARE(printer.printer().pageLayout().pageSize().id(), QPageSize::Legal);
        QCOMPARE(printer.printer().pageLayout().orientation(), QPageLayout::Landscape);
        QCOMPARE(printer.paperWidthTwips(), 14 * 1440);
    }
    void opening_data()
    {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QStringList>("steps"); // typed, then the box left
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QStringList>("shown"); // width, height, gap x, gap y, label gap

        QTest::newRow("empty store")
            << QStringList() << QStringList() << "Inch" << QStringList{"2", "2", ".1", ".1", ".1"};
        QTest::newRow("own values, Scale compared exactly")
            << QStringList{"Scale=inch",           "PictureMaxWidth=5.08", "PictureMaxHeight=big",
                           "PictureSpacingX=-0.5", "PictureSpacingY=3 cm", "PictureLabelSpacingY=0"}
            << QStringList() << "CM" << QStringList{"5.08", "0", "-.5", "3", "0"};
        QTest::newRow("leaving boxes")
            << QStringList()
            << QStringList{"txtPictureSizeX=3 cm", "txtPictureSizeY=1,5",
                           "txtPictureSpacingX=", "txtPictureSpacingY=.1",
                           "txtPictureLabelSpacing=-1.50"}
            << "Inch" << QStringList{"3", "1", "0", "0.1", "-1.5"};
    }

    // Opening and leaving a box show the values cleaned up, and write nothing.
    void opening()
    {
        QFETCH(QStringList, stored);
        QFETCH(QStringList, steps);
        QFETCH(QString, unit);
        QFETCH(QStringList, shown);
        Sandbox box;
        box.put(stored);
        Dialog dialog(nullptr, box.store, box.printer);
        act(dialog, steps);

        QCOMPARE(control<QLabel>(dialog, "lblUnit")->text(), unit);
        QStringList texts;
        for (const QString& name : Boxes)
            texts << control<QLineEdit>(dialog, name)->text();
        QCOMPARE(texts, shown);
        QVERIFY(dialog.written.isEmpty());
    }

    void ok_data()
    {
        QTest::addColumn<QString>("scale");
        QTest::addColumn<QStringList>("typed"); // width, height, gap x, gap y, label gap
        QTest::addColumn<QString>("printerError");
        QTest::addColumn<QString>("message"); // empty: accepted and written as typed

        const QStringList fits = {"7.9", "2", "0.1", "0.1", "0.1"};
        const QString inches = TooLarge + "8Inch * 10.5Inch.";
        QTest::newRow("8 + 0.1 on 8 wide")
            << "Inch" << QStringList{"8", "2", "0.1", "0.1", "0.1"} << "" << inches;
        QTest::newRow("7.9 + 0.1 on 8 wide") << "Inch" << fits << QString() << QString();
        QTest::newRow("label gap counts in the height")
            << "Inch" << QStringList{"2", "10", "0.1", "0.1", "0.5"} << "" << inches;
        QTest::newRow("centimetres") << "CM" << QStringList{"20.3", "5", "0.1", "0.1", "0.1"} << ""
                                     << TooLarge + "20.32CM * 26.67CM.";
        QTest::newRow("negative values are kept")
            << "CM" << QStringList{"-1", "0", "-0.5", "0", "0"} << ""
            << "";
        QTest::newRow("beyond single precision")
            << "Inch" << QStringList{"-1e39", "2", "0", "0", "0"} << "" << inches;
        QTest::newRow("no printer") << "Inch" << fits << "No printer is installed."
                                    << "No printer is installed.";
    }

    // The printer is asked in the unit and its document abandoned either way; a refusal writes
    // nothing and keeps the dialog open, an acceptance writes the five in order and closes it.
    void ok()
    {
        QFETCH(QString, scale);
        QFETCH(QStringList, typed);
        QFETCH(QString, printerError);
        QFETCH(QString, message);
        Sandbox box;
        box.put({"Scale=" + scale});
        const QStringList before = box.all();
        Dialog dialog(nullptr, box.store, box.printer);
        for (int i = 0; i < Boxes.size(); ++i)
            control<QLineEdit>(dialog, Boxes[i])->setText(typed[i]);
        if (!printerError.isEmpty())
            box.printer.failAtCall(box.printer.calls().size(), printerError);
        dialog.show();
        act(dialog, {"cmdOk"});

        QCOMPARE(box.printer.abandonedDocuments(), 1);
        QCOMPARE(dialog.messages, message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(dialog.isVisible(), !message.isEmpty());
        QStringList written;
        for (int i = 0; i < Keys.size() && message.isEmpty(); ++i)
            written << Keys[i] + '=' + typed[i];
        QCOMPARE(dialog.written, written);
        QCOMPARE(box.all() == before, !message.isEmpty());
    }

    // A decimal comma in the user's locale changes nothing: 1.75 shows and stays 1.75.
    void germanLocale()
    {
        const QByteArray process(std::setlocale(LC_ALL, nullptr));
        QVERIFY2(std::setlocale(LC_ALL, "de_DE.UTF-8"), "de_DE.UTF-8 is missing: see install-deps");
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const auto restore = qScopeGuard([&] {
            std::setlocale(LC_ALL, process.constData());
            QLocale::setDefault(QLocale::c());
        });
        Sandbox box;
        box.put({"PictureMaxWidth=1.75", "PictureSpacingX=0.25"});
        Dialog dialog(nullptr, box.store, box.printer);
        QCOMPARE(control<QLineEdit>(dialog, "txtPictureSizeX")->text(), QString("1.75"));
        QCOMPARE(control<QLineEdit>(dialog, "txtPictureSpacingX")->text(), QString(".25"));
        dialog.show();
        act(dialog, {"txtPictureSpacingY=.25", "cmdOk"});
        QCOMPARE(dialog.messages, QStringList());
        QCOMPARE(dialog.written,
                 (QStringList{"PictureMaxWidth=1.75", "PictureMaxHeight=2", "PictureSpacingX=0.25",
                              "PictureSpacingY=0.25", "PictureLabelSpacingY=0.1"}));
    }
};

QUENBROOK_TEST(tst_Dialogs)
#include "tst_dialogs.moc"
