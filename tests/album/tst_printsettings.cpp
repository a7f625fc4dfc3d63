#include "album/PageSurface.h"
#include "printer/PrintSettingsKeys.h"
#include "printer/PrintSettingsLoader.h"
#include "settings/SettingsStore.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <limits>

using namespace quenbrook;

namespace {

// A printer whose current font the test chooses; it counts the documents discarded.
class FakePrinter final : public PageSurface
{
public:
    PrintFont current{QStringLiteral("DejaVu Serif"), 10.5, true, false, true, false};
    int kills = 0;

    void setScaleMode(PrintUnit) override {}
    PrintUnit scaleMode() const override { return PrintUnit::Inch; }
    float scaleWidth() const override { return 8; }
    float scaleHeight() const override { return 10.5f; }
    float paperWidthTwips() const override { return 12240; }
    float paperHeightTwips() const override { return 15840; }
    void setFontName(const QString& name) override { current.Name = name; }
    void setFontSize(double points) override { current.Size = points; }
    void setFontBold(bool on) override { current.Bold = on; }
    void setFontItalic(bool on) override { current.Italic = on; }
    void setFontStrikethrough(bool on) override { current.Strikethrough = on; }
    void setFontUnderline(bool on) override { current.Underline = on; }
    PrintFont font() const override { return current; }
    void setForeColor(PrintColor) override {}
    void setFontTransparent(bool) override {}
    float textWidth(const QString&) const override { return 1; }
    float textHeight(const QString&) const override { return 0.2f; }
    void setCurrentX(float) override {}
    void setCurrentY(float) override {}
    float currentX() const override { return 0; }
    float currentY() const override { return 0; }
    void printText(const QString&) override {}
    void paintPicture(const Picture&, float, float, float, float) override {}
    double pixelsPerUnit() const override { return 1200; }
    void clear() override {}
    void drawRectOutline(float, float, float, float, PrintColor) override {}
    void newPage() override {}
    void endDoc() override {}
    void killDoc() override { ++kills; }
    QString error() const override { return QString(); }
};

// Records the order of the loader's writes and passes them on.
class RecordingLoader final : public PrintSettingsLoader
{
public:
    using PrintSettingsLoader::PrintSettingsLoader;
    QStringList written;

protected:
    void writeSetting(const QString& key, const QString& value) override
    {
        written.append(key);
        PrintSettingsLoader::writeSetting(key, value);
    }
};

// A settings store in its own folder, with the loader and printer that go with it.
struct Sandbox
{
    QTemporaryDir dir;
    SettingsStore store{dir.path()};
    FakePrinter printer;
    RecordingLoader loader{store, printer};

    void put(const QString& key, const QString& value)
    {
        store.SaveSetting(PrintKeys::Application, PrintKeys::Section, key, value);
    }
    QString get(const QString& key)
    {
        return store.GetSetting(PrintKeys::Application, PrintKeys::Section, key, "<missing>");
    }
    PrintSettings loaded()
    {
        PrintSettings settings;
        loader.LoadAll(settings);
        return settings;
    }
};

} // namespace

class tst_PrintSettings : public QObject
{
    Q_OBJECT
private slots:
    void emptyStoreGivesDefaults();
    void exactWords_data();
    void exactWords();
    void printLabelKeepsItsValueForOtherWords_data();
    void printLabelKeepsItsValueForOtherWords();
    void booleans_data();
    void booleans();
    void coloursAndCodes_data();
    void coloursAndCodes();
    void lengths_data();
    void lengths();
    void fontValues_data();
    void fontValues();
    void unitRoundTripGivesTheValuesBack();
    void sameUnitWritesOnlyScale_data();
    void sameUnitWritesOnlyScale();
    void hugeLengthsStayConsistentWhenConverted();
    void reloadTakesTheFontOfTheMoment();
    void reloadTouchesOnlyItsGroup_data();
    void reloadTouchesOnlyItsGroup();
    void toggleCenterFlipsAndWrites();
};

void tst_PrintSettings::emptyStoreGivesDefaults()
{
    Sandbox box;
    const PrintSettings s = box.loaded();
    QCOMPARE(s.Scale, PrintUnit::Inch);
    QCOMPARE(s.Center, true);
    QCOMPARE(s.PictureMaxWidth, 2.0f);
    QCOMPARE(s.PictureMaxHeight, 2.0f);
    QCOMPARE(s.PictureSpacingX, 0.1f);
    QCOMPARE(s.PictureSpacingY, 0.1f);
    QCOMPARE(s.PictureLabelSpacingY, 0.1f);
    QCOMPARE(s.LabelPosition, LabelPlace::Above);
    QCOMPARE(s.PrintLabel, LabelKind::FileName);
    QCOMPARE(s.LabelFont, box.printer.current);
    QCOMPARE(s.FontColor, 0);
    for (const auto& [style, text, font, color, alignment, spacing] :
         {std::tie(s.HeaderStyle, s.HeaderText, s.HeaderFont, s.HeaderFontColor, s.HeaderAlignment,
                   s.HeaderSpacing),
          std::tie(s.FooterStyle, s.FooterText, s.FooterFont, s.FooterFontColor, s.FooterAlignment,
                   s.FooterSpacing)}) {
        QCOMPARE(style, BandStyle::None);
        QCOMPARE(text, QString());
        QCOMPARE(font, box.printer.current);
        QCOMPARE(color, 0);
        QCOMPARE(alignment, BandAlignment::Left);
        QCOMPARE(spacing, 0.1f);
    }
    // One discarded printer document per font group; reading writes nothing.
    QCOMPARE(box.printer.kills, 3);
    QVERIFY(box.loader.written.isEmpty());
    QVERIFY(QSettings(box.store.fileName(PrintKeys::Application), QSettings::IniFormat)
                .allKeys()
                .isEmpty());
}

void tst_PrintSettings::exactWords_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("firstChoice"); // inch, above

    QTest::newRow("Inch") << PrintKeys::Scale << "Inch" << true;
    QTest::newRow("CM") << PrintKeys::Scale << "CM" << false;
    QTest::newRow("cm") << PrintKeys::Scale << "cm" << false;
    QTest::newRow("inch") << PrintKeys::Scale << "inch" << false;
    QTest::newRow("Inches") << PrintKeys::Scale << "Inches" << false;
    QTest::newRow("Inch with a blank") << PrintKeys::Scale << "Inch " << false;
    QTest::newRow("empty scale") << PrintKeys::Scale << "" << false;
    QTest::newRow("Above") << PrintKeys::LabelPosition << "Above" << true;
    QTest::newRow("above") << PrintKeys::LabelPosition << "above" << false;
    QTest::newRow("Below") << PrintKeys::LabelPosition << "Below" << false;
    QTest::newRow("0") << PrintKeys::LabelPosition << "0" << false;
}

void tst_PrintSettings::exactWords()
{
    QFETCH(QString, key);
    QFETCH(QString, stored);
    QFETCH(bool, firstChoice);
    Sandbox box;
    box.put(key, stored);
    const PrintSettings s = box.loaded();
    if (key == PrintKeys::Scale)
        QCOMPARE(s.Scale, firstChoice ? PrintUnit::Inch : PrintUnit::Centimetre);
    else
        QCOMPARE(s.LabelPosition, firstChoice ? LabelPlace::Above : LabelPlace::Below);
}

void tst_PrintSettings::printLabelKeepsItsValueForOtherWords_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<LabelKind>("before");
    QTest::addColumn<LabelKind>("after");

    QTest::newRow("None") << "None" << LabelKind::FileName << LabelKind::None;
    QTest::newRow("FileName") << "FileName" << LabelKind::None << LabelKind::FileName;
    QTest::newRow("FilePathName") << "FilePathName" << LabelKind::None << LabelKind::FilePathName;
    QTest::newRow("filename at first load") << "filename" << LabelKind::None << LabelKind::None;
    QTest::newRow("filename later")
        << "filename" << LabelKind::FilePathName << LabelKind::FilePathName;
    QTest::newRow("code 1") << "1" << LabelKind::None << LabelKind::None;
    QTest::newRow("empty") << "" << LabelKind::FileName << LabelKind::FileName;
}

void tst_PrintSettings::printLabelKeepsItsValueForOtherWords()
{
    QFETCH(QString, stored);
    QFETCH(LabelKind, before);
    QFETCH(LabelKind, after);
    Sandbox box;
    box.put(PrintKeys::PrintLabel, stored);
    PrintSettings s;
    s.PrintLabel = before;
    box.loader.LoadAll(s);
    QCOMPARE(s.PrintLabel, after);
    s.PrintLabel = before;
    box.loader.ReloadLabelGroup(s);
    QCOMPARE(s.PrintLabel, after);
}

void tst_PrintSettings::booleans_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("expected"); // -1: the key's default

    QTest::newRow("True") << "True" << 1;
    QTest::newRow("true") << "true" << 1;
    QTest::newRow("FALSE") << "FALSE" << 0;
    QTest::newRow("fAlSe") << "fAlSe" << 0;
    QTest::newRow("blanks around") << " False " << 0;
    QTest::newRow("0") << "0" << 0;
    QTest::newRow("2") << "2" << 1;
    QTest::newRow("-1") << "-1" << 1;
    QTest::newRow("0.0") << "0.0" << 0;
    QTest::newRow("0.5") << "0.5" << 1;
    QTest::newRow("blanks inside a number") << "1 0" << 1;
    QTest::newRow("hexadecimal zero") << "&H0" << 0;
    QTest::newRow("huge") << "1E400" << 1;
    QTest::newRow("yes") << "yes" << -1;
    QTest::newRow("number then text") << "2abc" << -1;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("Truely") << "Truely" << -1;
}

void tst_PrintSettings::booleans()
{
    QFETCH(QString, stored);
    QFETCH(int, expected);
    // Center defaults to true, FontBold to the printer's bold (true), FontItalic to its italic
    // (false): each stored text is read for all three.
    Sandbox box;
    box.put(PrintKeys::Center, stored);
    box.put(PrintKeys::FontBold, stored);
    box.put(PrintKeys::HeaderFontItalic, stored);
    const PrintSettings s = box.loaded();
    QCOMPARE(s.Center, expected == -1 ? true : expected == 1);
    QCOMPARE(s.LabelFont.Bold, expected == -1 ? true : expected == 1);
    QCOMPARE(s.HeaderFont.Italic, expected == -1 ? false : expected == 1);
}

void tst_PrintSettings::coloursAndCodes_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<qint32>("expected"); // the default of every one of them is 0

    QTest::newRow("blue") << "16711680" << qint32(16711680);
    QTest::newRow("hexadecimal") << "&HFF00" << qint32(0xFF00);
    QTest::newRow("2.5 to even") << "2.5" << qint32(2);
    QTest::newRow("3.5 to even") << "3.5" << qint32(4);
    QTest::newRow("2.6") << "2.6" << qint32(3);
    QTest::newRow("-0.5") << "-0.5" << qint32(0);
    QTest::newRow("-1.5") << "-1.5" << qint32(-2);
    QTest::newRow("text") << "red" << qint32(0);
    QTest::newRow("lowest") << "-2147483648" << std::numeric_limits<qint32>::min();
    QTest::newRow("below lowest") << "-2147483649" << qint32(0);
    QTest::newRow("unsigned bit pattern") << "&HFFFFFFFF" << qint32(-1);
    QTest::newRow("2^31") << "2147483648" << std::numeric_limits<qint32>::min();
    QTest::newRow("2^32") << "4294967296" << qint32(0);
    QTest::newRow("1E10") << "1E10" << qint32(0);
    QTest::newRow("infinite") << "1E400" << qint32(0);
    QTest::newRow("minus infinite") << "-1E400" << qint32(0);
}

void tst_PrintSettings::coloursAndCodes()
{
    QFETCH(QString, stored);
    QFETCH(qint32, expected);
    Sandbox box;
    for (const QString& key :
         {PrintKeys::FontColor, PrintKeys::HeaderFontColor, PrintKeys::FooterFontColor,
          PrintKeys::HeaderStyle, PrintKeys::HeaderAlignment, PrintKeys::FooterStyle,
          PrintKeys::FooterAlignment})
        box.put(key, stored);
    const PrintSettings s = box.loaded();
    QCOMPARE(s.FontColor, expected);
    QCOMPARE(s.HeaderFontColor, expected);
    QCOMPARE(s.FooterFontColor, expected);
    QCOMPARE(qint32(s.HeaderStyle), expected);
    QCOMPARE(qint32(s.HeaderAlignment), expected);
    QCOMPARE(qint32(s.FooterStyle), expected);
    QCOMPARE(qint32(s.FooterAlignment), expected);
}

void tst_PrintSettings::lengths_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<float>("expected"); // NaN: the key's default

    const float byDefault = std::numeric_limits<float>::quiet_NaN();
    QTest::newRow("1.5") << "1.5" << 1.5f;
    QTest::newRow("single precision") << "0.3" << 0.3f;
    QTest::newRow("not a number reads 0") << "wide" << 0.0f;
    QTest::newRow("negative kept") << "-1" << -1.0f;
    QTest::newRow("comma ends the number") << "3,5" << 3.0f;
    QTest::newRow("D exponent") << "1D1" << 10.0f;
    QTest::newRow("beyond single") << "1E39" << byDefault;
    QTest::newRow("infinite") << "1E400" << byDefault;
    QTest::newRow("largest single") << "3.4E38" << 3.4e38f;
}

void tst_PrintSettings::lengths()
{
    QFETCH(QString, stored);
    QFETCH(float, expected);
    Sandbox box;
    const QList<std::pair<QString, float>> defaults = {
        {PrintKeys::PictureMaxWidth, 2.0f},      {PrintKeys::PictureMaxHeight, 2.0f},
        {PrintKeys::PictureSpacingX, 0.1f},      {PrintKeys::PictureSpacingY, 0.1f},
        {PrintKeys::PictureLabelSpacingY, 0.1f}, {PrintKeys::HeaderSpacing, 0.1f},
        {PrintKeys::FooterSpacing, 0.1f}};
    for (const auto& entry : defaults)
        box.put(entry.first, stored);
    const PrintSettings s = box.loaded();
    const float read[] = {s.PictureMaxWidth, s.PictureMaxHeight,     s.PictureSpacingX,
                          s.PictureSpacingY, s.PictureLabelSpacingY, s.HeaderSpacing,
                          s.FooterSpacing};
    for (int i = 0; i < defaults.size(); ++i)
        QCOMPARE(read[i], std::isnan(expected) ? defaults.at(i).second : expected);
}

void tst_PrintSettings::fontValues_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("expectedName");
    QTest::addColumn<double>("expectedSize");

    // The fake printer's font is DejaVu Serif at 10.5 points.
    QTest::newRow("as stored") << "Courier"
                               << "12"
                               << "Courier" << 12.0;
    QTest::newRow("four decimals, down") << "Courier"
                                         << "10.12344"
                                         << "Courier" << 10.1234;
    QTest::newRow("four decimals, up") << "Courier"
                                       << "10.12346"
                                       << "Courier" << 10.1235;
    QTest::newRow("empty name") << ""
                                << "9"
                                << "DejaVu Serif" << 9.0;
    QTest::newRow("size not a number") << "Courier"
                                       << "big"
                                       << "Courier" << 0.0;
    QTest::newRow("infinite size") << "Courier"
                                   << "1E400"
                                   << "Courier" << 10.5;
    QTest::newRow("size too large for decimals") << "Courier"
                                                 << "1E305"
                                                 << "Courier" << 10.5;
}

void tst_PrintSettings::fontValues()
{
    QFETCH(QString, name);
    QFETCH(QString, size);
    QFETCH(QString, expectedName);
    QFETCH(double, expectedSize);
    Sandbox box;
    for (const PrintKeys::FontKeys* keys :
         {&PrintKeys::LabelFont, &PrintKeys::HeaderFont, &PrintKeys::FooterFont}) {
        box.put(keys->Name, name);
        box.put(keys->Size, size);
    }
    const PrintSettings s = box.loaded();
    for (const PrintFont* font : {&s.LabelFont, &s.HeaderFont, &s.FooterFont}) {
        QCOMPARE(font->Name, expectedName);
        QCOMPARE(font->Size, expectedSize);
        QCOMPARE(font->Bold, box.printer.current.Bold);
    }
}

void tst_PrintSettings::unitRoundTripGivesTheValuesBack()
{
    Sandbox box;
    PrintSettings s = box.loaded();

    box.loader.SetUnit(s, PrintUnit::Centimetre);
    QCOMPARE(s.Scale, PrintUnit::Centimetre);
    QCOMPARE(s.PictureMaxWidth, 5.08f);
    QCOMPARE(s.PictureSpacingX, 0.254f);
    QCOMPARE(s.FooterSpacing, 0.254f);
    QCOMPARE(box.get(PrintKeys::Scale), QString("CM"));
    QCOMPARE(box.get(PrintKeys::PictureMaxWidth), QString("5.08"));
    QCOMPARE(box.get(PrintKeys::PictureMaxHeight), QString("5.08"));
    QCOMPARE(box.get(PrintKeys::PictureLabelSpacingY), QString("0.254"));
    QCOMPARE(box.get(PrintKeys::HeaderSpacing), QString("0.254"));
    // What was written reads back as what is in memory.
    QCOMPARE(box.loaded().PictureLabelSpacingY, s.PictureLabelSpacingY);

    box.loader.SetUnit(s, PrintUnit::Inch);
    QCOMPARE(s.Scale, PrintUnit::Inch);
    QCOMPARE(s.PictureMaxWidth, 2.0f);
    QCOMPARE(s.PictureMaxHeight, 2.0f);
    QCOMPARE(s.PictureSpacingX, 0.1f);
    QCOMPARE(s.PictureSpacingY, 0.1f);
    QCOMPARE(s.PictureLabelSpacingY, 0.1f);
    QCOMPARE(s.HeaderSpacing, 0.1f);
    QCOMPARE(s.FooterSpacing, 0.1f);
    QCOMPARE(box.get(PrintKeys::Scale), QString("Inch"));
    QCOMPARE(box.get(PrintKeys::PictureMaxWidth), QString("2"));
    QCOMPARE(box.get(PrintKeys::FooterSpacing), QString("0.1"));

    // Both switches wrote the seven lengths in the same order, then Scale.
    const QStringList oneSwitch = {PrintKeys::PictureMaxWidth,      PrintKeys::PictureMaxHeight,
                                   PrintKeys::PictureSpacingX,      PrintKeys::PictureSpacingY,
                                   PrintKeys::PictureLabelSpacingY, PrintKeys::HeaderSpacing,
                                   PrintKeys::FooterSpacing,        PrintKeys::Scale};
    QCOMPARE(box.loader.written, oneSwitch + oneSwitch);
}

void tst_PrintSettings::sameUnitWritesOnlyScale_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<PrintUnit>("unit");
    QTest::addColumn<QString>("written");

    QTest::newRow("cm again") << "CM" << PrintUnit::Centimetre << "CM";
    QTest::newRow("cm stored in lower case") << "cm" << PrintUnit::Centimetre << "CM";
    QTest::newRow("inch again") << "Inch" << PrintUnit::Inch << "Inch";
}

void tst_PrintSettings::sameUnitWritesOnlyScale()
{
    QFETCH(QString, stored);
    QFETCH(PrintUnit, unit);
    QFETCH(QString, written);
    Sandbox box;
    box.put(PrintKeys::Scale, stored);
    box.put(PrintKeys::PictureMaxWidth, "7.000"); // a sentinel no writer would produce
    PrintSettings s = box.loaded();
    const PrintSettings before = s;

    box.loader.SetUnit(s, unit);
    QCOMPARE(box.loader.written, QStringList{PrintKeys::Scale});
    QCOMPARE(box.get(PrintKeys::Scale), written);
    QCOMPARE(box.get(PrintKeys::PictureMaxWidth), QString("7.000"));
    QCOMPARE(box.get(PrintKeys::PictureMaxHeight), QString("<missing>"));
    QCOMPARE(s.PictureMaxWidth, 7.0f);
    QCOMPARE(s.PictureMaxHeight, before.PictureMaxHeight);
    QCOMPARE(s.HeaderSpacing, before.HeaderSpacing);
}

void tst_PrintSettings::hugeLengthsStayConsistentWhenConverted()
{
    Sandbox box;
    box.put(PrintKeys::PictureMaxWidth, "3E38");
    box.put(PrintKeys::PictureMaxHeight, "-3E38");
    PrintSettings s = box.loaded();
    box.loader.SetUnit(s, PrintUnit::Centimetre);
    QVERIFY(std::isfinite(s.PictureMaxWidth));
    QVERIFY(s.PictureMaxWidth > 3e38f);
    QVERIFY(s.PictureMaxHeight < -3e38f);
    // The store holds what the record holds.
    const PrintSettings reread = box.loaded();
    QCOMPARE(reread.PictureMaxWidth, s.PictureMaxWidth);
    QCOMPARE(reread.PictureMaxHeight, s.PictureMaxHeight);
}

void tst_PrintSettings::reloadTakesTheFontOfTheMoment()
{
    Sandbox box;
    box.put(PrintKeys::HeaderFontName, "Courier");
    box.put(PrintKeys::HeaderFontSize, "14");
    box.put(PrintKeys::HeaderFontBold, "False");
    box.put(PrintKeys::HeaderFontItalic, "True");
    box.put(PrintKeys::HeaderFontStrikethrough, "False");
    box.put(PrintKeys::HeaderFontUnderline, "True");
    PrintSettings s = box.loaded();
    const PrintFont first = box.printer.current;
    QCOMPARE(s.LabelFont, first);

    // Another printer was chosen: its font is different in every attribute.
    box.printer.current = PrintFont{"DejaVu Sans Mono", 8, false, true, false, true};
    box.printer.kills = 0;

    box.loader.ReloadLabelGroup(s);
    QCOMPARE(s.LabelFont, box.printer.current);
    QCOMPARE(box.printer.kills, 1);

    box.loader.ReloadHeaderGroup(s);
    QCOMPARE(s.HeaderFont, (PrintFont{"Courier", 14, false, true, false, true}));
    QCOMPARE(box.printer.kills, 2);

    // Untouched until its own reload.
    QCOMPARE(s.FooterFont, first);
    box.loader.ReloadFooterGroup(s);
    QCOMPARE(s.FooterFont, box.printer.current);
    QCOMPARE(box.printer.kills, 3);
    QVERIFY(box.loader.written.isEmpty());
}

namespace {

enum class Group
{
    Label,
    Header,
    Footer,
    Distances
};

// Copies one group's fields from source into target.
void copyGroup(Group group, const PrintSettings& source, PrintSettings& target)
{
    switch (group) {
    case Group::Label:
        target.LabelFont = source.LabelFont;
        target.FontColor = source.FontColor;
        target.LabelPosition = source.LabelPosition;
        target.PrintLabel = source.PrintLabel;
        break;
    case Group::Header:
        target.HeaderFont = source.HeaderFont;
        target.HeaderFontColor = source.HeaderFontColor;
        target.HeaderText = source.HeaderText;
        target.HeaderAlignment = source.HeaderAlignment;
        target.HeaderStyle = source.HeaderStyle;
        target.HeaderSpacing = source.HeaderSpacing;
        break;
    case Group::Footer:
        target.FooterFont = source.FooterFont;
        target.FooterFontColor = source.FooterFontColor;
        target.FooterText = source.FooterText;
        target.FooterAlignment = source.FooterAlignment;
        target.FooterStyle = source.FooterStyle;
        target.FooterSpacing = source.FooterSpacing;
        break;
    case Group::Distances:
        target.PictureMaxWidth = source.PictureMaxWidth;
        target.PictureMaxHeight = source.PictureMaxHeight;
        target.PictureSpacingX = source.PictureSpacingX;
        target.PictureSpacingY = source.PictureSpacingY;
        target.PictureLabelSpacingY = source.PictureLabelSpacingY;
        break;
    }
}

bool operator==(const PrintSettings& a, const PrintSettings& b)
{
    return a.Scale == b.Scale && a.LabelFont == b.LabelFont && a.FontColor == b.FontColor &&
           a.LabelPosition == b.LabelPosition && a.PrintLabel == b.PrintLabel &&
           a.PictureMaxWidth == b.PictureMaxWidth && a.PictureMaxHeight == b.PictureMaxHeight &&
           a.PictureSpacingX == b.PictureSpacingX && a.PictureSpacingY == b.PictureSpacingY &&
           a.PictureLabelSpacingY == b.PictureLabelSpacingY && a.HeaderStyle == b.HeaderStyle &&
           a.HeaderText == b.HeaderText && a.HeaderFont == b.HeaderFont &&
           a.HeaderFontColor == b.HeaderFontColor && a.HeaderAlignment == b.HeaderAlignment &&
           a.HeaderSpacing == b.HeaderSpacing && a.FooterStyle == b.FooterStyle &&
           a.FooterText == b.FooterText && a.FooterFont == b.FooterFont &&
           a.FooterFontColor == b.FooterFontColor && a.FooterAlignment == b.FooterAlignment &&
           a.FooterSpacing == b.FooterSpacing && a.Center == b.Center;
}

} // namespace

void tst_PrintSettings::reloadTouchesOnlyItsGroup_data()
{
    QTest::addColumn<Group>("group");
    QTest::newRow("label") << Group::Label;
    QTest::newRow("header") << Group::Header;
    QTest::newRow("footer") << Group::Footer;
    QTest::newRow("picture distances") << Group::Distances;
}

void tst_PrintSettings::reloadTouchesOnlyItsGroup()
{
    QFETCH(Group, group);
    Sandbox box;
    PrintSettings s = box.loaded();
    const PrintSettings before = s;

    // Every key of the record changes in the store (the dialogs would write their own group).
    const QList<std::pair<QString, QString>> changes = {
        {PrintKeys::Scale, "CM"},
        {PrintKeys::Center, "False"},
        {PrintKeys::PictureMaxWidth, "3"},
        {PrintKeys::PictureMaxHeight, "4"},
        {PrintKeys::PictureSpacingX, "0.2"},
        {PrintKeys::PictureSpacingY, "0.3"},
        {PrintKeys::PictureLabelSpacingY, "0.4"},
        {PrintKeys::FontName, "Label Font"},
        {PrintKeys::FontSize, "7"},
        {PrintKeys::FontColor, "255"},
        {PrintKeys::LabelPosition, "Below"},
        {PrintKeys::PrintLabel, "FilePathName"},
        {PrintKeys::HeaderFontName, "Header Font"},
        {PrintKeys::HeaderFontColor, "65280"},
        {PrintKeys::HeaderText, "Holiday"},
        {PrintKeys::HeaderAlignment, "2"},
        {PrintKeys::HeaderStyle, "2"},
        {PrintKeys::HeaderSpacing, "0.5"},
        {PrintKeys::FooterFontName, "Footer Font"},
        {PrintKeys::FooterFontColor, "16711680"},
        {PrintKeys::FooterText, "Page"},
        {PrintKeys::FooterAlignment, "1"},
        {PrintKeys::FooterStyle, "1"},
        {PrintKeys::FooterSpacing, "0.6"},
    };
    for (const auto& [key, value] : changes)
        box.put(key, value);
    const PrintSettings everything = box.loaded();

    switch (group) {
    case Group::Label:
        box.loader.ReloadLabelGroup(s);
        break;
    case Group::Header:
        box.loader.ReloadHeaderGroup(s);
        break;
    case Group::Footer:
        box.loader.ReloadFooterGroup(s);
        break;
    case Group::Distances:
        box.loader.ReloadPictureDistances(s);
        break;
    }
    PrintSettings expected = before;
    copyGroup(group, everything, expected);
    QVERIFY(!(expected == before)); // the group did change
    QVERIFY(s == expected);
}

void tst_PrintSettings::toggleCenterFlipsAndWrites()
{
    Sandbox box;
    PrintSettings s = box.loaded();
    box.loader.ToggleCenter(s);
    QCOMPARE(s.Center, false);
    QCOMPARE(box.get(PrintKeys::Center), QString("False"));
    box.loader.ToggleCenter(s);
    QCOMPARE(s.Center, true);
    QCOMPARE(box.get(PrintKeys::Center), QString("True"));
    QCOMPARE(box.loader.written, (QStringList{PrintKeys::Center, PrintKeys::Center}));
    QCOMPARE(box.loaded().Center, true);
}

QTEST_MAIN(tst_PrintSettings)
#include "tst_printsettings.moc"
