#include "DialogTestKit.h"
#include "album/AlbumPage.h"
#include "album/PageLayout.h"
#include "dialogs/BandDialog.h"
#include "dialogs/frmLabel.h"
#include "printer/PrintSettingsLoader.h"
#include "settings/NumberRules.h"

#include <QFontDatabase>
#include <QImage>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

#include <memory>

using namespace dialogtest;

namespace {

// The Header, Footer or Label dialog with its writes recorded.
struct Opened
{
    std::unique_ptr<QDialog> dialog;
    const QStringList* written = nullptr;
};

template <class Form> Opened make(Sandbox& box, FontChooser chooser)
{
    auto dialog =
        std::make_unique<Recorded<Form>>(nullptr, box.store, box.printer, std::move(chooser));
    const QStringList* written = &dialog->written;
    return {std::move(dialog), written};
}

Opened open(const QString& form, Sandbox& box, FontChooser chooser = {})
{
    if (form == "frmHeader")
        return make<frmHeader>(box, std::move(chooser));
    if (form == "frmFooter")
        return make<frmFooter>(box, std::move(chooser));
    return make<frmLabel>(box, std::move(chooser));
}

// Whether a key belongs to the dialog's group.
bool ownKey(const QString& form, const QString& key)
{
    if (form == "frmLabel")
        return key.startsWith("Font") || key == "LabelPosition" || key == "PrintLabel";
    return key.startsWith(form.mid(3));
}

QStringList checkedButtons(const QWidget& dialog)
{
    QStringList names;
    for (const QRadioButton* option : dialog.findChildren<QRadioButton*>()) {
        if (option->isChecked())
            names << option->objectName();
    }
    names.sort();
    return names;
}

const QStringList Band = {"FontName",          "FontSize",      "FontBold",  "FontItalic",
                          "FontStrikethrough", "FontUnderline", "FontColor", "Text",
                          "Alignment",         "Style",         "Spacing"};
const QStringList PrinterFont = {"Sans", "10", "False", "False", "False", "False", "0"};

QStringList entries(const QStringList& keys, const QStringList& values, const QString& prefix)
{
    QStringList out;
    for (int i = 0; i < values.size(); ++i)
        out << prefix + keys[i] + '=' + values[i];
    return out;
}

} // namespace

class tst_FontDialogs : public QObject
{
    Q_OBJECT

private slots:
    void openEditOk_data();
    void openEditOk();
    void nextPage_data();
    void nextPage();
};

void tst_FontDialogs::openEditOk_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("checked"); // on opening
    QTest::addColumn<QStringList>("written"); // all writes, or some of them

    const QStringList bandDefaults = {"optAlignment0", "optSetting0"};
    QTest::newRow("header, empty store")
        << "frmHeader" << QStringList() << QStringList() << bandDefaults
        << entries(Band, PrinterFont + QStringList{"", "0", "0", "0.1"}, "Header");
    QTest::newRow("label, empty store")
        << "frmLabel" << QStringList() << QStringList()
        << QStringList{"optLabelSetting1", "optPosition0"}
        << entries(Band, PrinterFont, QString()) +
               QStringList{"LabelPosition=Above", "PrintLabel=FileName"};
    QTest::newRow("footer: text kept under None, only footer keys")
        << "frmFooter" << QStringList{"Scale=CM", "FooterFontColor=-1", "HeaderText=other"}
        << QStringList{"optSetting2", "txtContext=Holiday 2024", "optSetting0", "optAlignment2",
                       "txtSpacing=.25"}
        << bandDefaults
        << entries(Band,
                   {"Sans", "10", "False", "False", "False", "False", "-1", "Holiday 2024", "2",
                    "0", "0.25"},
                   "Footer");
    QTest::newRow("chooser cancelled")
        << "frmHeader"
        << QStringList{"HeaderFontSize=10.5", "HeaderFontBold=1", "HeaderFontColor=&HFF"}
        << QStringList{"cmdFont"} << bandDefaults
        << QStringList{"HeaderFontSize=10.5", "HeaderFontBold=True", "HeaderFontColor=255"};
    QTest::newRow("style 7, alignment -1")
        << "frmHeader" << QStringList{"HeaderStyle=7", "HeaderAlignment=-1"} << QStringList()
        << bandDefaults << QStringList{"HeaderAlignment=0", "HeaderStyle=0"};
    QTest::newRow("style 2, alignment 1.5 to even")
        << "frmHeader" << QStringList{"HeaderStyle=2", "HeaderAlignment=1.5"} << QStringList()
        << QStringList{"optAlignment2", "optSetting2"}
        << QStringList{"HeaderAlignment=2", "HeaderStyle=2"};
    QTest::newRow("size 0, font the system lacks")
        << "frmFooter" << QStringList{"FooterFontSize=0", "FooterFontName=No Such Font Qzx"}
        << QStringList() << bandDefaults << QStringList{"FooterFontName=Sans", "FooterFontSize=10"};
    const QString present = QFontDatabase::families().value(0);
    QTest::newRow("font the system has")
        << "frmLabel" << QStringList{"FontName=" + present} << QStringList()
        << QStringList{"optLabelSetting1", "optPosition0"} << QStringList{"FontName=" + present};
    QTest::newRow("above in lower case, path and name")
        << "frmLabel" << QStringList{"LabelPosition=above", "PrintLabel=FilePathName"}
        << QStringList() << QStringList{"optLabelSetting2", "optPosition1"}
        << QStringList{"LabelPosition=Below", "PrintLabel=FilePathName"};
    QTest::newRow("filename in lower case, then None chosen")
        << "frmLabel" << QStringList{"PrintLabel=filename"}
        << QStringList{"optPosition1", "optLabelSetting0"}
        << QStringList{"optLabelSetting0", "optPosition0"}
        << entries(Band, PrinterFont, QString()) +
               QStringList{"LabelPosition=Below", "PrintLabel=None"};
}

void tst_FontDialogs::openEditOk()
{
    QFETCH(QString, form);
    QFETCH(QStringList, stored);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, checked);
    QFETCH(QStringList, written);
    Sandbox box;
    box.put(stored);
    FakeChooser chooser; // cancels
    const Opened opened = open(form, box, chooser.chooser());
    const QWidget& dialog = *opened.dialog;

    QCOMPARE(dialog.windowTitle(), form.mid(3));
    QCOMPARE(checkedButtons(dialog), checked);
    QCOMPARE(box.printer.abandonedDocuments(), 1); // after asking for the printer's font
    if (form != "frmLabel") {
        QCOMPARE(control<QLineEdit>(dialog, "txtContext")->isEnabled(),
                 checked.contains("optSetting2"));
        QCOMPARE(control<QLabel>(dialog, "lblUnit")->text(),
                 stored.contains("Scale=CM") ? "CM" : "Inch");
    }
    act(dialog, steps);
    if (form != "frmLabel")
        QCOMPARE(control<QLineEdit>(dialog, "txtContext")->isEnabled(),
                 control<QRadioButton>(dialog, "optSetting2")->isChecked());
    act(dialog, {"cmdOk"});

    if (written.size() >= 9) // all of them, in order
        QCOMPARE(*opened.written, written);
    for (const QString& entry : written)
        QVERIFY2(opened.written->contains(entry), qPrintable(entry));
    for (const QString& entry : *opened.written)
        QVERIFY2(ownKey(form, entry.section('=', 0, 0)), qPrintable(entry));
    // The chooser starts at the dialog's font, which a cancelled chooser leaves as it was.
    QCOMPARE(chooser.shown.size(), int(steps.contains("cmdFont")));
    for (const ChosenFont& shown : chooser.shown) {
        const PrintFont& f = shown.Font;
        QCOMPARE(opened.written->mid(0, 7),
                 entries(Band,
                         {f.Name, FontSizeText(f.Size), BooleanText(f.Bold), BooleanText(f.Italic),
                          BooleanText(f.Strikethrough), BooleanText(f.Underline),
                          QString::number(shown.Color)},
                         form == "frmLabel" ? QString() : form.mid(3)));
    }
}

void tst_FontDialogs::nextPage_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("text");
    QTest::newRow("header page number") << "frmHeader" << QStringList{"optSetting1"} << "1";
    QTest::newRow("footer text") << "frmFooter" << QStringList{"optSetting2", "txtContext=Holiday"}
                                 << "Holiday";
    QTest::newRow("label below") << "frmLabel" << QStringList{"optPosition1"} << "beach.bmp";
}

// After OK with a chosen font, the next page shows the band or label in it, the size kept to
// four decimals.
void tst_FontDialogs::nextPage()
{
    QFETCH(QString, form);
    QFETCH(QStringList, steps);
    QFETCH(QString, text);
    Sandbox box;
    const QString picture = box.dir.filePath("beach.bmp");
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QVERIFY(image.save(picture));
    FakeChooser chooser;
    chooser.answer = ChosenFont{PrintFont{"Serif", 10.33333, true, true, false, true}, 0xFF00};
    act(*open(form, box, chooser.chooser()).dialog, steps + QStringList{"cmdFont", "cmdOk"});

    PrintSettings settings;
    PrintSettingsLoader(box.store, box.printer).LoadAll(settings);
    RecordingSurface page;
    const LayoutResult layout = ComputePageLayout(settings, 1, page);
    QVERIFY(std::holds_alternative<PageLayout>(layout));
    page.clearLog();
    const PageResult drawn =
        DrawAlbumPage(page, settings, std::get<PageLayout>(layout), {picture}, 1, PageView{});
    QVERIFY2(drawn.outcome == PageOutcome::Drawn, qPrintable(drawn.message));

    const QList<SurfaceCall> pictures = page.callsOf(SurfaceCall::Kind::Picture);
    QList<SurfaceCall> texts = page.callsOf(SurfaceCall::Kind::Text);
    texts.removeIf([&](const SurfaceCall& call) { return call.text != text; });
    QCOMPARE(texts.size(), 1);
    QCOMPARE(texts[0].font, (PrintFont{"Serif", 10.3333, true, true, false, true}));
    QCOMPARE(texts[0].color, 0xFF00);
    if (form == "frmLabel")
        QVERIFY(texts[0].rect.top() > pictures.value(0).rect.bottom());
}

QTEST_MAIN(tst_FontDialogs)
#include "tst_fontdialogs.moc"
