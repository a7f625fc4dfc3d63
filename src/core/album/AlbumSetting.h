// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/album/PrintSettings.h"
#include "core/settings/NumberRules.h"

#include <QList>
#include <QString>
#include <QtGlobal>

#include <optional>
#include <type_traits>

namespace quenbrook {

// A word that stands for a value: stored in the settings (compared exactly), or typed on
// quenbrook-album's command line (in any letter case).
template <class T> struct SettingWord
{
    const char* Text;
    T Value;
};

// An option of quenbrook-album that sets a setting. With a ValueName it takes a value: a length
// for a length, one of Words for the others, and for a band's style the band's text (the option
// then sets Value). Without one it is a switch that sets Value. A setting's options exclude each
// other.
template <class T> struct SettingOption
{
    const char* Name;
    const char* ValueName = nullptr;
    const char* Help = nullptr; // English; translated in the context "quenbrook-album"
    T Value{};
    QList<SettingWord<T>> Words{};
    bool ZeroAllowed = true; // a length
};

// One album setting of section "AlbumPrinter": its key, the field that holds it, its default, the
// texts it accepts and how it is written, and the options quenbrook-album offers for it.
//
// How a stored text is read, by the field's type (a missing key reads as its default written):
// - bool: "True" or "False" in any letter case (blanks around them ignored), or a number (0
//   false, anything else true); any other text gives the default. Written "True" or "False".
// - qint32 and the codes (BandStyle, BandAlignment): NumericValue rounded to the nearest integer,
//   ties to even. A value beyond 32 bits (signed or unsigned; an unsigned one is kept as its bit
//   pattern, so "&HFFFFFFFF" is -1), NaN, or one that is not among Choices gives the default.
//   Written as a decimal integer.
// - float, a length in the unit of Scale: NumericValue in single precision; infinite gives the
//   default, zero and negative values are kept for the page layout to judge. Written by
//   NumberText.
// - double, a font size in points: NumericValue kept to four decimal places; infinite gives the
//   default. Written the same way.
// - QString: as stored; with EmptyIsDefault an empty text gives the default.
// - the words (PrintUnit, LabelPlace, LabelKind): one of Words, compared exactly; any other text
//   gives Otherwise, or keeps the value held when there is none. Written as its word.
template <class Record, class T> struct AlbumSetting
{
    using Value = T;
    QString Key;
    T Record::*Field;
    T Default{}; // a font's: the printer's current font, given by whoever reads it
    QList<SettingWord<T>> Words{};
    std::optional<T> Otherwise{};
    QList<T> Choices{};
    bool EmptyIsDefault = false;
    QList<SettingOption<T>> Options{};
};

// The six settings of a font, in the order name, size, bold, italic, strikethrough, underline.
struct FontSettings
{
    AlbumSetting<PrintFont, QString> Name;
    AlbumSetting<PrintFont, double> Size;
    AlbumSetting<PrintFont, bool> Bold;
    AlbumSetting<PrintFont, bool> Italic;
    AlbumSetting<PrintFont, bool> Strikethrough;
    AlbumSetting<PrintFont, bool> Underline;
};

// The eleven settings of a header or footer.
struct BandSettings
{
    AlbumSetting<PrintBand, BandStyle> Style;
    AlbumSetting<PrintBand, BandAlignment> Alignment;
    AlbumSetting<PrintBand, QString> Text;
    FontSettings Font;
    AlbumSetting<PrintBand, PrintColor> FontColor;
    AlbumSetting<PrintBand, float> Spacing;
};

// The settings of a font, and of a band (its font as one), in the order they are declared.
template <class Font, class Visit>
void ForEachOf(const FontSettings& font, Font& record, Visit&& visit)
{
    visit(font.Name, record);
    visit(font.Size, record);
    visit(font.Bold, record);
    visit(font.Italic, record);
    visit(font.Strikethrough, record);
    visit(font.Underline, record);
}
template <class Band, class Visit>
void ForEachOf(const BandSettings& band, Band& record, Visit&& visit)
{
    visit(band.Style, record);
    visit(band.Alignment, record);
    visit(band.Text, record);
    visit(band.Font, record.Font);
    visit(band.FontColor, record);
    visit(band.Spacing, record);
}

// The six settings of a font whose keys start with the band's name ("" for the labels' font,
// "Header", "Footer"), and the eleven of a band with its options: its style's, then its
// alignment's (whose words it is given here).
FontSettings FontSettingsOf(const QString& band);
BandSettings BandSettingsOf(const QString& band, QList<SettingOption<BandStyle>> styleOptions,
                            SettingOption<BandAlignment> alignmentOption);

// The rules by type, as AlbumSetting describes them.
bool BooleanValue(const QString& text, bool defaultValue);
qint32 CodeValue(const QString& text, qint32 defaultValue);
float LengthValue(const QString& text, float defaultValue);
double FontSizeValue(const QString& text, double defaultValue);
// Font sizes are written to four decimals: 10, 10.5, 10.3333.
QString FontSizeText(double points);

// A stored text read by the setting's rule; `held` is the field's value before.
template <class Record, class T>
T ReadSetting(const AlbumSetting<Record, T>& setting, const QString& text, const T& held,
              const T& defaultValue)
{
    if constexpr (std::is_same_v<T, bool>) {
        return BooleanValue(text, defaultValue);
    } else if constexpr (std::is_same_v<T, float>) {
        return LengthValue(text, defaultValue);
    } else if constexpr (std::is_same_v<T, double>) {
        return FontSizeValue(text, defaultValue);
    } else if constexpr (std::is_same_v<T, QString>) {
        return setting.EmptyIsDefault && text.isEmpty() ? defaultValue : text;
    } else if constexpr (std::is_same_v<T, qint32> || std::is_same_v<T, BandStyle> ||
                         std::is_same_v<T, BandAlignment>) {
        const T value = T(CodeValue(text, qint32(defaultValue)));
        return setting.Choices.isEmpty() || setting.Choices.contains(value) ? value : defaultValue;
    } else {
        for (const SettingWord<T>& word : setting.Words) {
            if (text == QLatin1String(word.Text))
                return word.Value;
        }
        return setting.Otherwise.value_or(held);
    }
}

// The text a value is stored as.
template <class Record, class T>
QString SettingText(const AlbumSetting<Record, T>& setting, const T& value)
{
    if constexpr (std::is_same_v<T, bool>) {
        return BooleanText(value);
    } else if constexpr (std::is_same_v<T, float>) {
        return NumberText(value);
    } else if constexpr (std::is_same_v<T, double>) {
        return FontSizeText(value);
    } else if constexpr (std::is_same_v<T, QString>) {
        return value;
    } else if constexpr (std::is_same_v<T, qint32> || std::is_same_v<T, BandStyle> ||
                         std::is_same_v<T, BandAlignment>) {
        return QString::number(qint32(value));
    } else {
        for (const SettingWord<T>& word : setting.Words) {
            if (word.Value == value)
                return QLatin1String(word.Text);
        }
        return QString();
    }
}

// Reads a setting of `record` from the stored text, which is its default written when missing.
template <class Record, class T, class GetText>
void ReadInto(const AlbumSetting<Record, T>& setting, Record& record, const T& defaultValue,
              GetText&& storedText)
{
    T& field = record.*setting.Field;
    field = ReadSetting(setting, storedText(setting.Key, SettingText(setting, defaultValue)), field,
                        defaultValue);
}

} // namespace quenbrook
