#include "core/album/PrintSettingsLoader.h"
#include "core/program/PrintSettingsKeys.h"
#include "support/RecordingSurface.h"
#include "support/SettingsSandbox.h"

#include <QTest>

using namespace quenbrook;

namespace {

// Keeps the order of the loader's writes and passes them on.
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

// A settings store in its own folder, with the printer and loader that go with it.
struct Sandbox : testsupport::SettingsSandbox
{
    RecordingSurface printer;
    RecordingLoader loader{store, printer};

    void put(const QString& key, const QString& value)
    {
        SettingsSandbox::put({key + '=' + value});
    }
    QStringList get(const QStringList& keys)
    {
        QStringList values;
        for (const QString& key : keys)
            values << store.GetSetting(PrintKeys::Application, PrintKeys::Section, key, "?");
        return values;
    }
    PrintSettings loaded()
    {
        PrintSettings settings;
        loader.LoadAll(settings);
        return settings;
    }
};

// The field a key is read into, as a number.
double fieldOf(const PrintSettings& s, const QString& key)
{
    const QHash<QString, double> fields = {
        {AlbumSettings::Scale.Key, double(s.Scale)},
        {AlbumSettings::LabelPosition.Key, double(s.LabelPosition)},
        {AlbumSettings::PrintLabel.Key, double(s.PrintLabel)},
        {AlbumSettings::Center.Key, s.Center},
        {AlbumSettings::LabelFont.Bold.Key, s.LabelFont.Bold},
        {AlbumSettings::FontColor.Key, s.FontColor},
        {AlbumSettings::Header.Font.Size.Key, s.Header.Font.Size},
        {AlbumSettings::Header.Alignment.Key, double(s.Header.Alignment)},
        {AlbumSettings::Footer.Style.Key, double(s.Footer.Style)},
        {AlbumSettings::Footer.Spacing.Key, s.Footer.Spacing},
    };
    return fields.value(key, qQNaN());
}

// One group of the record: 0 label, 1 header, 2 footer, 3 picture distances, 4 the rest.
QVariantList groupFields(const PrintSettings& s, int group)
{
    const auto font = [](const PrintFont& f) {
        return QVariantList{f.Name, f.Size, f.Bold, f.Italic, f.Strikethrough, f.Underline};
    };
    const auto band = [&](const PrintBand& b) {
        return font(b.Font) +
               QVariantList{b.FontColor, b.Text, int(b.Alignment), int(b.Style), b.Spacing};
    };
    const QList<QVariantList> groups = {
        font(s.LabelFont) + QVariantList{s.FontColor, int(s.LabelPosition), int(s.PrintLabel)},
        band(s.Header),
        band(s.Footer),
        {s.PictureMaxWidth, s.PictureMaxHeight, s.PictureSpacingX, s.PictureSpacingY,
         s.PictureLabelSpacingY},
        {int(s.Scale), s.Center}};
    return groups.at(group);
}

} // namespace

class tst_PrintSettings : public QObject
{
    Q_OBJECT
private slots:
    void emptyStoreGivesDefaults()
    {
        Sandbox box;
        box.printer.setDefaultFont(PrintFont{"Sans", 10, false, true}); // the printer's font
        box.put(AlbumSettings::Footer.Font.Name.Key, "");               // an empty name is no name
        const PrintSettings s = box.loaded();
        const QVariantList font = {"Sans", 10.0, false, true, false, false};
        const QVariantList band =
            font + QVariantList{0, QString(), 0, 0, 0.1f};           // black, left, none
        QCOMPARE(groupFields(s, 0), (font + QVariantList{0, 0, 1})); // black, above, file name
        QCOMPARE(groupFields(s, 1), band);
        QCOMPARE(groupFields(s, 2), band);
        QCOMPARE(groupFields(s, 3), (QVariantList{2.0f, 2.0f, 0.1f, 0.1f, 0.1f}));
        QCOMPARE(groupFields(s, 4), (QVariantList{0, true})); // inch, centred
        // Reading writes nothing; each font group discards the document the printer may have
        // opened.
        QVERIFY(box.loader.written.isEmpty());
        QCOMPARE(box.printer.abandonedDocuments(), 3);
    }

    // Every declared setting reads back each value it writes, under a key of its own.
    void everySettingReadsBackWhatItWrites()
    {
        QStringList keys;
        PrintSettings where;
        ForEachSingleSetting(where, [&](const auto& setting, auto&) {
            keys << setting.Key;
            using T = typename std::decay_t<decltype(setting)>::Value;
            QList<T> values = setting.Choices;
            for (const auto& word : setting.Words)
                values << word.Value;
            if constexpr (std::is_same_v<T, bool>)
                values << true << false;
            else if constexpr (std::is_same_v<T, float>)
                values << 5.08f << 0.254f << -1.5f;
            else if constexpr (std::is_same_v<T, double>)
                values << 10.5 << 10.3333;
            else if constexpr (std::is_same_v<T, QString>)
                values << QStringLiteral("Holiday 2019");
            else if constexpr (std::is_same_v<T, qint32>)
                values << (setting.Choices.isEmpty() ? QList<T>{255, -1} : QList<T>());
            else if constexpr (std::is_same_v<T, BandStyle> || std::is_same_v<T, BandAlignment>)
                values << T(0) << T(1) << T(2);
            QVERIFY2(!values.isEmpty(), qPrintable(setting.Key));
            for (const T& value : values) {
                const T held = value == setting.Default ? T() : setting.Default;
                QVERIFY2(ReadSetting(setting, SettingText(setting, value), held, held) == value,
                         qPrintable(setting.Key + " " + SettingText(setting, value)));
            }
        });
        const qsizetype declared = keys.size();
        keys.removeDuplicates();
        QCOMPARE(keys.size(), declared);
    }

    void readings_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<double>("expected");

        // Scale and LabelPosition compare exactly; PrintLabel keeps its value for other words.
        QTest::newRow("inch") << AlbumSettings::Scale.Key << "inch"
                              << double(PrintUnit::Centimetre);
        QTest::newRow("above") << AlbumSettings::LabelPosition.Key << "above"
                               << double(LabelPlace::Below);
        QTest::newRow("filename") << AlbumSettings::PrintLabel.Key << "filename"
                                  << double(LabelKind::None);
        // Booleans: True or False in any case, or a number; else the default (Center true, bold
        // false as the printer's).
        QTest::newRow("True") << AlbumSettings::LabelFont.Bold.Key << " True " << 1.0;
        QTest::newRow("false") << AlbumSettings::Center.Key << "false" << 0.0;
        QTest::newRow("0") << AlbumSettings::Center.Key << "0" << 0.0;
        QTest::newRow("-0.5") << AlbumSettings::LabelFont.Bold.Key << "-0.5" << 1.0;
        QTest::newRow("bold yes") << AlbumSettings::LabelFont.Bold.Key << "yes" << 0.0;
        QTest::newRow("number then text") << AlbumSettings::Center.Key << "0abc" << 1.0;
        // Colours: nearest integer, ties to even; 32 bits or the default.
        QTest::newRow("2.5") << AlbumSettings::FontColor.Key << "2.5" << 2.0;
        QTest::newRow("3.5") << AlbumSettings::FontColor.Key << "3.5" << 4.0;
        QTest::newRow("bit pattern") << AlbumSettings::FontColor.Key << "&HFFFFFFFF" << -1.0;
        QTest::newRow("1E10") << AlbumSettings::FontColor.Key << "1E10" << 0.0;
        QTest::newRow("NaN") << AlbumSettings::FontColor.Key << "NaN" << 0.0;
        // Codes by the same rule; those that name no alignment or style are kept.
        QTest::newRow("alignment 7") << AlbumSettings::Header.Alignment.Key << "7" << 7.0;
        QTest::newRow("style -2.5") << AlbumSettings::Footer.Style.Key << "-2.5" << -2.0;
        // Font sizes to four decimals, lengths in single precision; infinite gives the default
        // (the printer's 10 points, 0.1).
        QTest::newRow("size") << AlbumSettings::Header.Font.Size.Key << "10.12346" << 10.1235;
        QTest::newRow("huge size") << AlbumSettings::Header.Font.Size.Key << "1E400" << 10.0;
        QTest::newRow("spacing") << AlbumSettings::Footer.Spacing.Key << "-1.5" << -1.5;
        QTest::newRow("huge spacing")
            << AlbumSettings::Footer.Spacing.Key << "1E39" << double(0.1f);
    }

    void readings()
    {
        QFETCH(QString, key);
        QFETCH(QString, stored);
        QFETCH(double, expected);
        Sandbox box;
        box.put(key, stored);
        QCOMPARE(fieldOf(box.loaded(), key), expected);
    }

    void unitSwitchConvertsAndWritesInOrder()
    {
        Sandbox box;
        PrintSettings s = box.loaded();
        const QStringList keys = {
            AlbumSettings::PictureMaxWidth.Key,      AlbumSettings::PictureMaxHeight.Key,
            AlbumSettings::PictureSpacingX.Key,      AlbumSettings::PictureSpacingY.Key,
            AlbumSettings::PictureLabelSpacingY.Key, AlbumSettings::Header.Spacing.Key,
            AlbumSettings::Footer.Spacing.Key,       AlbumSettings::Scale.Key};
        for (int i = 0; i < 2; ++i) { // the second time the unit does not change
            box.loader.SetUnit(s, PrintUnit::Centimetre);
            QCOMPARE(groupFields(s, 3), (QVariantList{5.08f, 5.08f, 0.254f, 0.254f, 0.254f}));
            QCOMPARE(groupFields(s, 4), (QVariantList{int(PrintUnit::Centimetre), true}));
            QCOMPARE(box.get(keys), (QStringList{"5.08", "5.08", "0.254", "0.254", "0.254", "0.254",
                                                 "0.254", "CM"}));
        }
        box.loader.SetUnit(s, PrintUnit::Inch);
        QCOMPARE(groupFields(s, 3), (QVariantList{2.0f, 2.0f, 0.1f, 0.1f, 0.1f}));
        QCOMPARE(box.get(keys), (QStringList{"2", "2", "0.1", "0.1", "0.1", "0.1", "0.1", "Inch"}));
        // The seven lengths, then Scale; only Scale when the unit stays.
        QCOMPARE(box.loader.written, keys + QStringList{AlbumSettings::Scale.Key} + keys);

        // A length beyond single precision in centimetres: the store keeps what the record holds.
        box.put(AlbumSettings::PictureMaxWidth.Key, "3E38");
        box.loader.ReloadPictureDistances(s);
        box.loader.SetUnit(s, PrintUnit::Centimetre);
        QCOMPARE(box.loaded().PictureMaxWidth, s.PictureMaxWidth);
    }

    void reloadTakesTheFontOfTheMomentAndOnlyItsGroup_data()
    {
        QTest::addColumn<int>("group");
        QTest::newRow("label") << 0;
        QTest::newRow("header") << 1;
        QTest::newRow("footer") << 2;
        QTest::newRow("picture distances") << 3;
    }

    void reloadTakesTheFontOfTheMomentAndOnlyItsGroup()
    {
        QFETCH(int, group);
        Sandbox box;
        box.put(AlbumSettings::Header.Font.Name.Key, "Courier");
        box.put(AlbumSettings::Header.Font.Italic.Key, "True");
        PrintSettings s = box.loaded();
        const PrintSettings before = s;

        // Another printer with another font was chosen, and every group changed in the store.
        box.printer.setDefaultFont(PrintFont{"Printer Font", 8, true});
        const QList<std::pair<QString, QString>> changes = {
            {AlbumSettings::FontColor.Key, "255"},      {AlbumSettings::Header.Text.Key, "Holiday"},
            {AlbumSettings::Footer.Spacing.Key, "0.5"}, {AlbumSettings::PictureSpacingY.Key, "0.3"},
            {AlbumSettings::Scale.Key, "CM"},           {AlbumSettings::Center.Key, "False"}};
        for (const auto& [key, value] : changes)
            box.put(key, value);
        const PrintSettings now = box.loaded();
        QCOMPARE(now.LabelFont, box.printer.defaultFont());
        QCOMPARE(now.Header.Font, (PrintFont{"Courier", 8, true, true, false, false}));

        if (group == 0)
            box.loader.ReloadLabelGroup(s);
        else if (group == 1)
            s.Header = box.loader.ReadBand(AlbumSettings::Header);
        else if (group == 2)
            s.Footer = box.loader.ReadBand(AlbumSettings::Footer);
        else
            box.loader.ReloadPictureDistances(s);
        for (int g = 0; g < 5; ++g)
            QCOMPARE(groupFields(s, g), groupFields(g == group ? now : before, g));
    }
};

QTEST_MAIN(tst_PrintSettings)
#include "tst_printsettings.moc"
