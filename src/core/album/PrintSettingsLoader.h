// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/album/AlbumSettings.h"
#include "core/album/PrintSettings.h"

#include <QString>

namespace quenbrook {

class PageSurface;
class SettingsStore;

// "Scale" as stored and read.
PrintUnit UnitFromScaleText(const QString& text);
QString ScaleText(PrintUnit unit);

// Reads the print options from the settings store into a PrintSettings record, each by the rule
// of its declaration (AlbumSettings.h), and writes the few keys the Album Printer window changes
// itself (Scale with the lengths, Center, PictureResolution).
//
// Font defaults come from the printer's current font at the time of reading; the document that
// the query may have opened is discarded after each font.
class PrintSettingsLoader
{
public:
    PrintSettingsLoader(SettingsStore& store, PageSurface& printer);
    virtual ~PrintSettingsLoader() = default;

    void LoadAll(PrintSettings& settings);

    // After the Label and Print Size dialogs, whether they ended by OK or not.
    void ReloadLabelGroup(PrintSettings& settings);
    void ReloadPictureDistances(PrintSettings& settings);

    // The eleven keys of a header or footer (AlbumSettings::Header or Footer); read at start, by
    // the Header and Footer dialogs, and after them.
    PrintBand ReadBand(const BandSettings& band);

    // ConvertUnit, then the lengths are written when the unit really changed, and Scale in every
    // case.
    void SetUnit(PrintSettings& settings, PrintUnit unit);
    void ToggleCenter(PrintSettings& settings);
    void SetPictureResolution(PrintSettings& settings, qint32 pixelsPerInch);

protected:
    // Every write of the loader passes here.
    virtual void writeSetting(const QString& key, const QString& value);

private:
    QString readText(const QString& key, const QString& defaultValue) const;

    template <class Record, class T>
    void read(const AlbumSetting<Record, T>& setting, Record& record)
    {
        ReadInto(setting, record, setting.Default,
                 [this](const QString& key, const QString& text) { return readText(key, text); });
    }
    void read(const FontSettings& font, PrintFont& record);
    void read(const BandSettings& band, PrintBand& record);

    SettingsStore& store_;
    PageSurface& printer_;
};

} // namespace quenbrook
