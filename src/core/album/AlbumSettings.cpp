// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/album/AlbumSettings.h"

#include "core/program/Units.h"

#include <QtGlobal>

#include <cmath>
#include <limits>

namespace quenbrook {

// The six keys of a font start with the band's name: FontName, HeaderFontName, FooterFontName.
FontSettings FontSettingsOf(const QString& band)
{
    const auto key = [&](const char* name) { return band + QLatin1String(name); };
    return {{.Key = key("FontName"), .Field = &PrintFont::Name, .EmptyIsDefault = true},
            {.Key = key("FontSize"), .Field = &PrintFont::Size},
            {.Key = key("FontBold"), .Field = &PrintFont::Bold},
            {.Key = key("FontItalic"), .Field = &PrintFont::Italic},
            {.Key = key("FontStrikethrough"), .Field = &PrintFont::Strikethrough},
            {.Key = key("FontUnderline"), .Field = &PrintFont::Underline}};
}

BandSettings BandSettingsOf(const QString& band, QList<SettingOption<BandStyle>> styleOptions,
                            SettingOption<BandAlignment> alignmentOption)
{
    const auto key = [&](const char* name) { return band + QLatin1String(name); };
    alignmentOption.Words = {{"left", BandAlignment::Left},
                             {"center", BandAlignment::Center},
                             {"centre", BandAlignment::Center},
                             {"right", BandAlignment::Right}};
    return {.Style = {.Key = key("Style"),
                      .Field = &PrintBand::Style,
                      .Default = BandStyle::None,
                      .Options = std::move(styleOptions)},
            .Alignment = {.Key = key("Alignment"),
                          .Field = &PrintBand::Alignment,
                          .Default = BandAlignment::Left,
                          .Options = {alignmentOption}},
            .Text = {.Key = key("Text"), .Field = &PrintBand::Text},
            .Font = FontSettingsOf(band),
            .FontColor = {.Key = key("FontColor"), .Field = &PrintBand::FontColor, .Default = 0},
            .Spacing = {.Key = key("Spacing"), .Field = &PrintBand::Spacing, .Default = 0.1f}};
}

PrintSettings::PrintSettings()
{
    ForEachSingleSetting(
        *this, [](const auto& setting, auto& record) { record.*setting.Field = setting.Default; });
}

QList<qint32> PictureResolutionChoices()
{
    QList<qint32> choices(std::begin(PrintSettings::PictureResolutions),
                          std::end(PrintSettings::PictureResolutions));
    return choices << PrintSettings::PrinterResolution;
}

namespace {

// The product in double precision, kept in single precision (the largest single when it
// would not fit, so the store and the record keep the same value).
float converted(float length, bool toCentimetres)
{
    const double value =
        toCentimetres ? double(length) * CentimetresPerInch : double(length) / CentimetresPerInch;
    const float single = static_cast<float>(value);
    return std::isfinite(single) ? single
                                 : std::copysign(std::numeric_limits<float>::max(), single);
}

} // namespace

bool BooleanValue(const QString& text, bool defaultValue)
{
    const QString word = text.trimmed();
    if (word.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (word.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    if (IsNumericText(word))
        return NumericValue(word) != 0;
    return defaultValue;
}

qint32 CodeValue(const QString& text, qint32 defaultValue)
{
    const double value = std::nearbyint(NumericValue(text));
    constexpr double lowest = std::numeric_limits<qint32>::min();
    constexpr double highest = std::numeric_limits<quint32>::max();
    if (!(value >= lowest && value <= highest)) // also NaN
        return defaultValue;
    if (value > std::numeric_limits<qint32>::max())
        return static_cast<qint32>(static_cast<quint32>(value));
    return static_cast<qint32>(value);
}

float LengthValue(const QString& text, float defaultValue)
{
    const float value = static_cast<float>(NumericValue(text));
    return std::isfinite(value) ? value : defaultValue;
}

namespace {

double keepFourDecimals(double size)
{
    return std::nearbyint(size * 10000) / 10000;
}

} // namespace

double FontSizeValue(const QString& text, double defaultValue)
{
    const double value = keepFourDecimals(NumericValue(text));
    return std::isfinite(value) ? value : keepFourDecimals(defaultValue);
}

QString FontSizeText(double points)
{
    return NumberText(keepFourDecimals(points));
}

void ConvertUnit(PrintSettings& settings, PrintUnit unit)
{
    if (settings.Scale == unit)
        return;
    const bool toCentimetres = unit == PrintUnit::Centimetre;
    ForEachSingleSetting(settings, [&](const auto& setting, auto& record) {
        auto& field = record.*setting.Field;
        if constexpr (std::is_same_v<std::decay_t<decltype(field)>, float>)
            field = converted(field, toCentimetres);
    });
    settings.Scale = unit;
}

} // namespace quenbrook
