#include "core/album/PrintSettingsLoader.h"

#include "core/album/PageSurface.h"
#include "core/program/PrintSettingsKeys.h"
#include "core/program/Units.h"
#include "core/settings/NumberRules.h"
#include "core/settings/SettingsStore.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace quenbrook {
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

PrintSettingsLoader::PrintSettingsLoader(SettingsStore& store, PageSurface& printer)
    : store_(store)
    , printer_(printer)
{}

void PrintSettingsLoader::writeSetting(const QString& key, const QString& value)
{
    store_.SaveSetting(PrintKeys::Application, PrintKeys::Section, key, value);
}

QString PrintSettingsLoader::readText(const QString& key, const QString& defaultValue) const
{
    return store_.GetSetting(PrintKeys::Application, PrintKeys::Section, key, defaultValue);
}

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

bool PrintSettingsLoader::readBoolean(const QString& key, bool defaultValue) const
{
    return BooleanValue(readText(key, BooleanText(defaultValue)), defaultValue);
}

qint32 PrintSettingsLoader::readCode(const QString& key, qint32 defaultValue) const
{
    const double value =
        std::nearbyint(NumericValue(readText(key, NumberText(double(defaultValue)))));
    constexpr double lowest = std::numeric_limits<qint32>::min();
    constexpr double highest = std::numeric_limits<quint32>::max();
    if (!(value >= lowest && value <= highest)) // also NaN
        return defaultValue;
    if (value > std::numeric_limits<qint32>::max())
        return static_cast<qint32>(static_cast<quint32>(value));
    return static_cast<qint32>(value);
}

float PrintSettingsLoader::readLength(const QString& key, float defaultValue) const
{
    const float value = static_cast<float>(NumericValue(readText(key, NumberText(defaultValue))));
    return std::isfinite(value) ? value : defaultValue;
}

double PrintSettingsLoader::readFontSize(const QString& key, double defaultValue) const
{
    const auto keepFourDecimals = [](double size) { return std::nearbyint(size * 10000) / 10000; };
    const double value = keepFourDecimals(NumericValue(readText(key, NumberText(defaultValue))));
    return std::isfinite(value) ? value : keepFourDecimals(defaultValue);
}

PrintUnit UnitFromScaleText(const QString& text)
{
    return text == PrintWords::Inch ? PrintUnit::Inch : PrintUnit::Centimetre;
}

QString ScaleText(PrintUnit unit)
{
    return unit == PrintUnit::Inch ? PrintWords::Inch : PrintWords::CM;
}

void PrintSettingsLoader::readScale(PrintSettings& settings)
{
    settings.Scale = UnitFromScaleText(readText(PrintKeys::Scale, PrintWords::Inch));
}

void PrintSettingsLoader::readCenter(PrintSettings& settings)
{
    settings.Center = readBoolean(PrintKeys::Center, true);
}

void PrintSettingsLoader::readPictureResolution(PrintSettings& settings)
{
    // One of the offered choices, else the default.
    const qint32 stored = readCode(PrintKeys::PictureResolution, PrintSettings().PictureResolution);
    const auto& offered = PrintSettings::PictureResolutions;
    if (stored == PrintSettings::PrinterResolution ||
        std::find(std::begin(offered), std::end(offered), stored) != std::end(offered))
        settings.PictureResolution = stored;
    else
        settings.PictureResolution = PrintSettings().PictureResolution;
}

void PrintSettingsLoader::readPictureDistances(PrintSettings& settings)
{
    settings.PictureMaxWidth = readLength(PrintKeys::PictureMaxWidth, 2);
    settings.PictureMaxHeight = readLength(PrintKeys::PictureMaxHeight, 2);
    settings.PictureSpacingX = readLength(PrintKeys::PictureSpacingX, 0.1f);
    settings.PictureSpacingY = readLength(PrintKeys::PictureSpacingY, 0.1f);
    settings.PictureLabelSpacingY = readLength(PrintKeys::PictureLabelSpacingY, 0.1f);
}

void PrintSettingsLoader::readFontGroup(PrintFont& font, const PrintKeys::FontKeys& keys,
                                        PrintColor& color, const QString& colorKey)
{
    // Each attribute defaults to the printer's current one, as it is at this moment.
    const PrintFont current = printer_.defaultFont();
    font.Name = readText(keys.Name, current.Name);
    if (font.Name.isEmpty())
        font.Name = current.Name;
    font.Size = readFontSize(keys.Size, current.Size);
    font.Bold = readBoolean(keys.Bold, current.Bold);
    font.Italic = readBoolean(keys.Italic, current.Italic);
    font.Strikethrough = readBoolean(keys.Strikethrough, current.Strikethrough);
    font.Underline = readBoolean(keys.Underline, current.Underline);
    color = readCode(colorKey, 0);
    // Asking the printer for its font may have opened a document; nothing was drawn on it.
    printer_.killDoc();
}

void PrintSettingsLoader::readLabelGroup(PrintSettings& settings)
{
    readFontGroup(settings.LabelFont, PrintKeys::LabelFont, settings.FontColor,
                  PrintKeys::FontColor);
    settings.LabelPosition =
        readText(PrintKeys::LabelPosition, PrintWords::Above) == PrintWords::Above
            ? LabelPlace::Above
            : LabelPlace::Below;
    const QString kind = readText(PrintKeys::PrintLabel, PrintWords::FileName);
    if (kind == PrintWords::None)
        settings.PrintLabel = LabelKind::None;
    else if (kind == PrintWords::FileName)
        settings.PrintLabel = LabelKind::FileName;
    else if (kind == PrintWords::FilePathName)
        settings.PrintLabel = LabelKind::FilePathName;
}

PrintBand PrintSettingsLoader::ReadBand(const PrintKeys::BandKeys& keys)
{
    PrintBand band;
    readFontGroup(band.Font, keys.Font, band.FontColor, keys.Color);
    band.Text = readText(keys.Text, band.Text);
    band.Alignment = BandAlignment(readCode(keys.Alignment, qint32(band.Alignment)));
    band.Style = BandStyle(readCode(keys.Style, qint32(band.Style)));
    band.Spacing = readLength(keys.Spacing, band.Spacing);
    return band;
}

void PrintSettingsLoader::LoadAll(PrintSettings& settings)
{
    readScale(settings);
    readCenter(settings);
    readPictureResolution(settings);
    readPictureDistances(settings);
    readLabelGroup(settings);
    settings.Header = ReadBand(PrintKeys::HeaderBand);
    settings.Footer = ReadBand(PrintKeys::FooterBand);
}

void PrintSettingsLoader::ReloadLabelGroup(PrintSettings& settings)
{
    readLabelGroup(settings);
}

void PrintSettingsLoader::ReloadPictureDistances(PrintSettings& settings)
{
    readPictureDistances(settings);
}

void PrintSettingsLoader::SetUnit(PrintSettings& settings, PrintUnit unit)
{
    if (settings.Scale != unit) {
        const bool toCentimetres = unit == PrintUnit::Centimetre;
        const std::pair<float*, const QString*> lengths[] = {
            {&settings.PictureMaxWidth, &PrintKeys::PictureMaxWidth},
            {&settings.PictureMaxHeight, &PrintKeys::PictureMaxHeight},
            {&settings.PictureSpacingX, &PrintKeys::PictureSpacingX},
            {&settings.PictureSpacingY, &PrintKeys::PictureSpacingY},
            {&settings.PictureLabelSpacingY, &PrintKeys::PictureLabelSpacingY},
            {&settings.Header.Spacing, &PrintKeys::HeaderBand.Spacing},
            {&settings.Footer.Spacing, &PrintKeys::FooterBand.Spacing},
        };
        for (const auto& [length, key] : lengths) {
            *length = converted(*length, toCentimetres);
            writeSetting(*key, NumberText(*length));
        }
    }
    settings.Scale = unit;
    writeSetting(PrintKeys::Scale, ScaleText(unit));
}

void PrintSettingsLoader::SetPictureResolution(PrintSettings& settings, qint32 pixelsPerInch)
{
    settings.PictureResolution = pixelsPerInch;
    writeSetting(PrintKeys::PictureResolution, QString::number(pixelsPerInch));
}

void PrintSettingsLoader::ToggleCenter(PrintSettings& settings)
{
    settings.Center = !settings.Center;
    writeSetting(PrintKeys::Center, BooleanText(settings.Center));
}

} // namespace quenbrook
