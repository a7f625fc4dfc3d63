// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/album/AlbumSetting.h"

#include <QtGlobal>

namespace quenbrook {

// Every setting of the album record. A new one is its declaration here and its line in
// ForEachAlbumSetting below, with its field in PrintSettings; every float is a length that a
// change of unit converts. The declaration is the one place of its default.
// The picture resolutions offered, and the printer's own.
QList<qint32> PictureResolutionChoices();

namespace AlbumSettings {

inline const AlbumSetting<PrintSettings, PrintUnit> Scale{
    .Key = QStringLiteral("Scale"),
    .Field = &PrintSettings::Scale,
    .Default = PrintUnit::Inch,
    .Words = {{"Inch", PrintUnit::Inch}, {"CM", PrintUnit::Centimetre}},
    .Otherwise = PrintUnit::Centimetre,
    .Options = {{.Name = "unit",
                 .ValueName = "UNIT",
                 .Help = QT_TRANSLATE_NOOP(
                     "quenbrook-album",
                     "The album's unit: inch or cm. The user's lengths are converted to it."),
                 .Words = {{"inch", PrintUnit::Inch}, {"cm", PrintUnit::Centimetre}}}}};

inline const AlbumSetting<PrintSettings, float> PictureMaxWidth{
    .Key = QStringLiteral("PictureMaxWidth"),
    .Field = &PrintSettings::PictureMaxWidth,
    .Default = 2,
    .Options = {{.Name = "cell-width",
                 .ValueName = "LENGTH",
                 .Help = QT_TRANSLATE_NOOP("quenbrook-album", "Width of a picture's cell."),
                 .ZeroAllowed = false}}};

inline const AlbumSetting<PrintSettings, float> PictureMaxHeight{
    .Key = QStringLiteral("PictureMaxHeight"),
    .Field = &PrintSettings::PictureMaxHeight,
    .Default = 2,
    .Options = {{.Name = "cell-height",
                 .ValueName = "LENGTH",
                 .Help = QT_TRANSLATE_NOOP("quenbrook-album", "Height of a picture's cell."),
                 .ZeroAllowed = false}}};

inline const AlbumSetting<PrintSettings, float> PictureSpacingX{
    .Key = QStringLiteral("PictureSpacingX"),
    .Field = &PrintSettings::PictureSpacingX,
    .Default = 0.1f,
    .Options = {{.Name = "gap-x",
                 .ValueName = "LENGTH",
                 .Help = QT_TRANSLATE_NOOP("quenbrook-album", "Space between the columns.")}}};

inline const AlbumSetting<PrintSettings, float> PictureSpacingY{
    .Key = QStringLiteral("PictureSpacingY"),
    .Field = &PrintSettings::PictureSpacingY,
    .Default = 0.1f,
    .Options = {{.Name = "gap-y",
                 .ValueName = "LENGTH",
                 .Help = QT_TRANSLATE_NOOP("quenbrook-album", "Space between the rows.")}}};

// A word that is none of the three leaves the labels as they were.
inline const AlbumSetting<PrintSettings, LabelKind> PrintLabel{
    .Key = QStringLiteral("PrintLabel"),
    .Field = &PrintSettings::PrintLabel,
    .Default = LabelKind::FileName,
    .Words = {{"None", LabelKind::None},
              {"FileName", LabelKind::FileName},
              {"FilePathName", LabelKind::FilePathName}},
    .Options = {{.Name = "labels",
                 .ValueName = "KIND",
                 .Help = QT_TRANSLATE_NOOP("quenbrook-album",
                                           "Label of each picture: none, name (the file's name) "
                                           "or path (the path as given)."),
                 .Words = {{"none", LabelKind::None},
                           {"name", LabelKind::FileName},
                           {"path", LabelKind::FilePathName}}}}};

inline const AlbumSetting<PrintSettings, LabelPlace> LabelPosition{
    .Key = QStringLiteral("LabelPosition"),
    .Field = &PrintSettings::LabelPosition,
    .Default = LabelPlace::Above,
    .Words = {{"Above", LabelPlace::Above}, {"Below", LabelPlace::Below}},
    .Otherwise = LabelPlace::Below,
    .Options = {{.Name = "label-position",
                 .ValueName = "WHERE",
                 .Help = QT_TRANSLATE_NOOP("quenbrook-album", "Labels above or below their cells."),
                 .Words = {{"above", LabelPlace::Above}, {"below", LabelPlace::Below}}}}};

inline const AlbumSetting<PrintSettings, float> PictureLabelSpacingY{
    .Key = QStringLiteral("PictureLabelSpacingY"),
    .Field = &PrintSettings::PictureLabelSpacingY,
    .Default = 0.1f,
    .Options = {
        {.Name = "label-gap",
         .ValueName = "LENGTH",
         .Help = QT_TRANSLATE_NOOP("quenbrook-album", "Space between a cell and its label.")}}};

inline const FontSettings LabelFont = FontSettingsOf(QString());

inline const AlbumSetting<PrintSettings, PrintColor> FontColor{
    .Key = QStringLiteral("FontColor"), .Field = &PrintSettings::FontColor, .Default = 0};

inline const BandSettings Header = BandSettingsOf(
    QStringLiteral("Header"),
    QList<SettingOption<BandStyle>>{
        {.Name = "header-text",
         .ValueName = "TEXT",
         .Help = QT_TRANSLATE_NOOP("quenbrook-album", "A header line with this text."),
         .Value = BandStyle::Text},
        {.Name = "header-page-number",
         .Help = QT_TRANSLATE_NOOP("quenbrook-album", "The page number as the header."),
         .Value = BandStyle::PageNumber},
        {.Name = "no-header",
         .Help = QT_TRANSLATE_NOOP("quenbrook-album", "No header."),
         .Value = BandStyle::None}},
    SettingOption<BandAlignment>{
        .Name = "header-align",
        .ValueName = "WHERE",
        .Help = QT_TRANSLATE_NOOP("quenbrook-album", "Header at the left, center or right.")});

inline const BandSettings Footer = BandSettingsOf(
    QStringLiteral("Footer"),
    QList<SettingOption<BandStyle>>{
        {.Name = "footer-text",
         .ValueName = "TEXT",
         .Help = QT_TRANSLATE_NOOP("quenbrook-album", "A footer line with this text."),
         .Value = BandStyle::Text},
        {.Name = "footer-page-number",
         .Help = QT_TRANSLATE_NOOP("quenbrook-album", "The page number as the footer."),
         .Value = BandStyle::PageNumber},
        {.Name = "no-footer",
         .Help = QT_TRANSLATE_NOOP("quenbrook-album", "No footer."),
         .Value = BandStyle::None}},
    SettingOption<BandAlignment>{
        .Name = "footer-align",
        .ValueName = "WHERE",
        .Help = QT_TRANSLATE_NOOP("quenbrook-album", "Footer at the left, center or right.")});

inline const AlbumSetting<PrintSettings, bool> Center{
    .Key = QStringLiteral("Center"),
    .Field = &PrintSettings::Center,
    .Default = true,
    .Options = {
        {.Name = "center",
         .Help = QT_TRANSLATE_NOOP("quenbrook-album", "Center the grid in the printable area."),
         .Value = true},
        {.Name = "no-center",
         .Help = QT_TRANSLATE_NOOP("quenbrook-album",
                                   "Start the grid at the printable area's top-left corner."),
         .Value = false}}};

// Pixels per inch of paper that raster pictures are printed at, at most; 0: the printer's own.
inline const AlbumSetting<PrintSettings, qint32> PictureResolution{
    .Key = QStringLiteral("PictureResolution"),
    .Field = &PrintSettings::PictureResolution,
    .Default = 300,
    .Choices = PictureResolutionChoices(),
    .Options = {{.Name = "resolution",
                 .ValueName = "PPI",
                 // %1: the choices, "150, 300, 600, printer".
                 .Help = QT_TRANSLATE_NOOP(
                     "quenbrook-album",
                     "Most pixels per inch of a picture on paper: %1 (the printer's own)."),
                 .Words = {{"printer", PrintSettings::PrinterResolution}}}}};

} // namespace AlbumSettings

// Calls visit(declaration, part) for each setting, font and band of the record with the part of
// `settings` that holds it, in the order quenbrook-album's help lists their options. Scale comes
// first, so that whatever follows it can be taken in its unit.
template <class Visit> void ForEachAlbumSetting(PrintSettings& settings, Visit&& visit)
{
    using namespace AlbumSettings;
    visit(Scale, settings);
    visit(PictureMaxWidth, settings);
    visit(PictureMaxHeight, settings);
    visit(PictureSpacingX, settings);
    visit(PictureSpacingY, settings);
    visit(PrintLabel, settings);
    visit(LabelPosition, settings);
    visit(PictureLabelSpacingY, settings);
    visit(LabelFont, settings.LabelFont);
    visit(FontColor, settings);
    visit(Header, settings.Header);
    visit(Footer, settings.Footer);
    visit(Center, settings);
    visit(PictureResolution, settings);
}

namespace detail {
template <class Visit> struct EverySingle
{
    Visit& visit;
    template <class Font> void operator()(const FontSettings& font, Font& record)
    {
        ForEachOf(font, record, *this);
    }
    template <class Band> void operator()(const BandSettings& band, Band& record)
    {
        ForEachOf(band, record, *this);
    }
    template <class Record, class T>
    void operator()(const AlbumSetting<Record, T>& setting, Record& record)
    {
        visit(setting, record);
    }
};
} // namespace detail

// Every single setting, those of the fonts and bands too.
template <class Visit> void ForEachSingleSetting(PrintSettings& settings, Visit&& visit)
{
    ForEachAlbumSetting(settings, detail::EverySingle<Visit>{visit});
}

// The settings each option dialog edits, in the order its OK writes them; the Album Printer
// window reads the same ones again after the dialog has closed.
template <class Settings, class Visit> void ForEachLabelSetting(Settings& settings, Visit&& visit)
{
    using namespace AlbumSettings;
    visit(LabelFont, settings.LabelFont);
    visit(FontColor, settings);
    visit(LabelPosition, settings);
    visit(PrintLabel, settings);
}
template <class Settings, class Visit>
void ForEachPictureDistance(Settings& settings, Visit&& visit)
{
    using namespace AlbumSettings;
    visit(PictureMaxWidth, settings);
    visit(PictureMaxHeight, settings);
    visit(PictureSpacingX, settings);
    visit(PictureSpacingY, settings);
    visit(PictureLabelSpacingY, settings);
}
template <class Band, class Visit>
void ForEachBandSetting(const BandSettings& band, Band& record, Visit&& visit)
{
    visit(band.Font, record.Font);
    visit(band.FontColor, record);
    visit(band.Text, record);
    visit(band.Alignment, record);
    visit(band.Style, record);
    visit(band.Spacing, record);
}

// Switches the record to another unit, converting every length (the product in double
// precision, kept in single precision). Nothing is written; nothing changes when the unit stays.
void ConvertUnit(PrintSettings& settings, PrintUnit unit);

} // namespace quenbrook
