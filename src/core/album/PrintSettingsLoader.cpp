// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/album/PrintSettingsLoader.h"

#include "core/album/PageSurface.h"
#include "core/program/PrintSettingsKeys.h"
#include "core/settings/SettingsStore.h"

namespace quenbrook {

PrintUnit UnitFromScaleText(const QString& text)
{
    return ReadSetting(AlbumSettings::Scale, text, PrintUnit::Inch, PrintUnit::Inch);
}

QString ScaleText(PrintUnit unit)
{
    return SettingText(AlbumSettings::Scale, unit);
}

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

void PrintSettingsLoader::read(const FontSettings& font, PrintFont& record)
{
    // Each attribute defaults to the printer's current one, as it is at this moment.
    const PrintFont current = printer_.defaultFont();
    ForEachOf(font, record, [&](const auto& setting, PrintFont&) {
        ReadInto(setting, record, current.*setting.Field,
                 [this](const QString& key, const QString& text) { return readText(key, text); });
    });
    // Asking the printer for its font may have opened a document; nothing was drawn on it.
    printer_.killDoc();
}

void PrintSettingsLoader::read(const BandSettings& band, PrintBand& record)
{
    ForEachBandSetting(band, record,
                       [this](const auto& setting, auto& part) { read(setting, part); });
}

PrintBand PrintSettingsLoader::ReadBand(const BandSettings& band)
{
    PrintBand record;
    read(band, record);
    return record;
}

void PrintSettingsLoader::LoadAll(PrintSettings& settings)
{
    // Nothing was read before: a word that names none leaves its field at zero, not at its
    // default (a misspelt PrintLabel prints no labels).
    ForEachSingleSetting(settings,
                         [](const auto& setting, auto& record) { record.*setting.Field = {}; });
    ForEachAlbumSetting(settings, [this](const auto& setting, auto& part) { read(setting, part); });
}

void PrintSettingsLoader::ReloadLabelGroup(PrintSettings& settings)
{
    ForEachLabelSetting(settings, [this](const auto& setting, auto& part) { read(setting, part); });
}

void PrintSettingsLoader::ReloadPictureDistances(PrintSettings& settings)
{
    ForEachPictureDistance(settings,
                           [this](const auto& setting, auto& part) { read(setting, part); });
}

void PrintSettingsLoader::SetUnit(PrintSettings& settings, PrintUnit unit)
{
    if (settings.Scale != unit) {
        ConvertUnit(settings, unit);
        ForEachSingleSetting(settings, [this](const auto& setting, auto& record) {
            const auto& field = record.*setting.Field;
            if constexpr (std::is_same_v<std::decay_t<decltype(field)>, float>)
                writeSetting(setting.Key, SettingText(setting, field));
        });
    }
    settings.Scale = unit;
    writeSetting(AlbumSettings::Scale.Key, SettingText(AlbumSettings::Scale, unit));
}

void PrintSettingsLoader::SetPictureResolution(PrintSettings& settings, qint32 pixelsPerInch)
{
    settings.PictureResolution = pixelsPerInch;
    writeSetting(AlbumSettings::PictureResolution.Key,
                 SettingText(AlbumSettings::PictureResolution, pixelsPerInch));
}

void PrintSettingsLoader::ToggleCenter(PrintSettings& settings)
{
    settings.Center = !settings.Center;
    writeSetting(AlbumSettings::Center.Key, SettingText(AlbumSettings::Center, settings.Center));
}

} // namespace quenbrook
