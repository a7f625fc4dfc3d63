#pragma once

#include "core/album/PrintSettings.h"

#include <QString>

namespace quenbrook {

class PageSurface;
class SettingsStore;
namespace PrintKeys {
struct FontKeys;
struct BandKeys;
} // namespace PrintKeys

// A stored Boolean by the reading rule below; any other text gives defaultValue.
bool BooleanValue(const QString& text, bool defaultValue);

// "Scale": exactly "Inch" is inches, any other text centimetres; written "Inch" or "CM".
PrintUnit UnitFromScaleText(const QString& text);
QString ScaleText(PrintUnit unit);

// Reads the print options from the settings store into a PrintSettings record and writes the few
// keys the Album Printer window changes itself (Scale with the seven lengths, Center).
//
// Reading rules:
// - Booleans: "True" or "False" in any letter case (blanks around them ignored), or a number
//   (0 false, anything else true). Any other text gives the key's default.
// - Colours and codes (style, alignment): NumericValue rounded to the nearest integer, ties to
//   even. A value that does not fit in 32 bits (signed or unsigned; an unsigned one is kept as
//   its bit pattern, so "&HFFFFFFFF" is -1) gives the default, as do NaN and infinities.
// - Lengths: NumericValue in single precision. A value that is infinite in single precision
//   gives the default; zero and negative values are kept for the page layout to judge.
// - Font sizes: NumericValue kept to four decimal places; an infinite size gives the default.
// - Font names: an empty name gives the printer's current font name.
// - Scale, LabelPosition and PrintLabel compare exactly; PrintLabel keeps its previous value
//   when the text is none of its three words.
// Font defaults come from the printer's current font at the time of reading; the document that
// the query may have opened is discarded after each font group.
class PrintSettingsLoader
{
public:
    PrintSettingsLoader(SettingsStore& store, PageSurface& printer);
    virtual ~PrintSettingsLoader() = default;

    void LoadAll(PrintSettings& settings);

    // After the Label and Print Size dialogs, whether they ended by OK or not.
    void ReloadLabelGroup(PrintSettings& settings);
    void ReloadPictureDistances(PrintSettings& settings);

    // The eleven keys of a header or footer (PrintKeys::HeaderBand or FooterBand), font first;
    // read at start, by the Header and Footer dialogs, and after them.
    PrintBand ReadBand(const PrintKeys::BandKeys& keys);

    // Converts the seven lengths and writes them only when the unit really changes; writes
    // Scale in every case.
    void SetUnit(PrintSettings& settings, PrintUnit unit);
    void ToggleCenter(PrintSettings& settings);
    void SetPictureResolution(PrintSettings& settings, qint32 pixelsPerInch);

protected:
    // Every write of the loader passes here.
    virtual void writeSetting(const QString& key, const QString& value);

private:
    QString readText(const QString& key, const QString& defaultValue) const;
    bool readBoolean(const QString& key, bool defaultValue) const;
    qint32 readCode(const QString& key, qint32 defaultValue) const;
    float readLength(const QString& key, float defaultValue) const;
    double readFontSize(const QString& key, double defaultValue) const;

    void readFontGroup(PrintFont& font, const PrintKeys::FontKeys& keys, PrintColor& color,
                       const QString& colorKey);
    void readScale(PrintSettings& settings);
    void readCenter(PrintSettings& settings);
    void readPictureResolution(PrintSettings& settings);
    void readPictureDistances(PrintSettings& settings);
    void readLabelGroup(PrintSettings& settings);

    SettingsStore& store_;
    PageSurface& printer_;
};

} // namespace quenbrook
