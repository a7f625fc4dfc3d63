#include "core/album/AlbumSettings.h"

#include "core/program/Units.h"

#include <QtGlobal>

#include <cmath>
#include <limits>

namespace quenbrook {
namespace {

// The six keys of a font start with the band's name: FontName, HeaderFontName, FooterFontName.
FontSettings fontSettings(const QString& band)
{
    const auto key = [&](const char* name) { return band + QLatin1String(name); };
    return {{.Key = key("FontName"), .Field = &PrintFont::Name, .EmptyIsDefault = true},
            {.Key = key("FontSize"), .Field = &PrintFont::Size},
            {.Key = key("FontBold"), .Field = &PrintFont::Bold},
            {.Key = key("FontItalic"), .Field = &PrintFont::Italic},
            {.Key = key("FontStrikethrough"), .Field = &PrintFont::Strikethrough},
            {.Key = key("FontUnderline"), .Field = &PrintFont::Underline}};
}

const QList<SettingWord<BandAlignment>> AlignmentWords = {{"left", BandAlignment::Left},
                                                          {"center", BandAlignment::Center},
                                                          {"centre", BandAlignment::Center},
                                                          {"right", BandAlignment::Right}};

// The options of a band: its style's three, then its alignment's.
BandSettings bandSettings(const QString& band, QList<SettingOption<BandStyle>> styleOptions,
                          SettingOption<BandAlignment> alignmentOption)
{
    const auto key = [&](const char* name) { return band + QLatin1String(name); };
    alignmentOption.Words = AlignmentWords;
    return {.Style = {.Key = key("Style"),
                      .Field = &PrintBand::Style,
                      .Default = BandStyle::None,
                      .Options = std::move(styleOptions)},
            .Alignment = {.Key = key("Alignment"),
                          .Field = &PrintBand::Alignment,
                          .Default = BandAlignment::Left,
                          .Options = {alignmentOption}},
            .Text = {.Key = key("Text"), .Field = &PrintBand::Text},
            .Font = fontSettings(band),
            .FontColor = {.Key = key("FontColor"), .Field = &PrintBand::FontColor, .Default = 0},
            .Spacing = {.Key = key("Spacing"), .Field = &PrintBand::Spacing, .Default = 0.1f}};
}

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

QList<qint32> resolutionChoices()
{
    QList<qint32> choices(std::begin(PrintSettings::PictureResolutions),
                          std::end(PrintSettings::PictureResolutions));
    return choices << PrintSettings::PrinterResolution;
}

} // namespace

namespace AlbumSettings {

const AlbumSetting<PrintSettings, PrintUnit> Scale{
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

const AlbumSetting<PrintSettings, float> PictureMaxWidth{
    .Key = QStringLiteral("PictureMaxWidth"),
    .Field = &PrintSettings::PictureMaxWidth,
    .Default = 2,
    .Options = {{.Name = "cell-width",
                 .ValueName = "LENGTH",
                 .Help = QT_TRANSLATE_NOOP("quenbrook-album", "Width of a picture's cell."),
                 .ZeroAllowed = false}}};

const AlbumSetting<PrintSettings, float> PictureMaxHeight{
    .Key = QStringLiteral("PictureMaxHeight"),
    .Field = &PrintSettings::PictureMaxHeight,
    .Default = 2,
    .Options = {{.Name = "cell-height",
                 .ValueName = "LENGTH",
                 .Help = QT_TRANSLATE_NOOP("quenbrook-album", "Height of a picture's cell."),
                 .ZeroAllowed = false}}};

const AlbumSetting<PrintSettings, float> PictureSpacingX{
    .Key = QStringLiteral("PictureSpacingX"),
    .Field = &PrintSettings::PictureSpacingX,
    .Default = 0.1f,
    .Options = {{.Name = "gap-x",
                 .ValueName = "LENGTH",
                 .Help = QT_TRANSLATE_NOOP("quenbrook-album", "Space between the columns.")}}};

const AlbumSetting<PrintSettings, float> PictureSpacingY{
    .Key = QStringLiteral("PictureSpacingY"),
    .Field = &PrintSettings::PictureSpacingY,
    .Default = 0.1f,
    .Options = {{.Name = "gap-y",
                 .ValueName = "LENGTH",
                 .Help = QT_TRANSLATE_NOOP("quenbrook-album", "Space between the rows.")}}};

// A word that is none of the three leaves the labels as they were.
const AlbumSetting<PrintSettings, LabelKind> PrintLabel{
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

const AlbumSetting<PrintSettings, LabelPlace> LabelPosition{
    .Key = QStringLiteral("LabelPosition"),
    .Field = &PrintSettings::LabelPosition,
    .Default = LabelPlace::Above,
    .Words = {{"Above", LabelPlace::Above}, {"Below", LabelPlace::Below}},
    .Otherwise = LabelPlace::Below,
    .Options = {{.Name = "label-position",
                 .ValueName = "WHERE",
                 .Help = QT_TRANSLATE_NOOP("quenbrook-album", "Labels above or below their cells."),
                 .Words = {{"above", LabelPlace::Above}, {"below", LabelPlace::Below}}}}};

const AlbumSetting<PrintSettings, float> PictureLabelSpacingY{
    .Key = QStringLiteral("PictureLabelSpacingY"),
    .Field = &PrintSettings::PictureLabelSpacingY,
    .Default = 0.1f,
    .Options = {
        {.Name = "label-gap",
         .ValueName = "LENGTH",
         .Help = QT_TRANSLATE_NOOP("quenbrook-album", "Space between a cell and its label.")}}};

const FontSettings LabelFont = fontSettings(QString());

const AlbumSetting<PrintSettings, PrintColor> FontColor{
    .Key = QStringLiteral("FontColor"), .Field = &PrintSettings::FontColor, .Default = 0};

const BandSettings Header = bandSettings(
    QStringLiteral("Header"),
    {{.Name = "header-text",
      .ValueName = "TEXT",
      .Help = QT_TRANSLATE_NOOP("quenbrook-album", "A header line with this text."),
      .Value = BandStyle::Text},
     {.Name = "header-page-number",
      .Help = QT_TRANSLATE_NOOP("quenbrook-album", "The page number as the header."),
      .Value = BandStyle::PageNumber},
     {.Name = "no-header",
      .Help = QT_TRANSLATE_NOOP("quenbrook-album", "No header."),
      .Value = BandStyle::None}},
    {.Name = "header-align",
     .ValueName = "WHERE",
     .Help = QT_TRANSLATE_NOOP("quenbrook-album", "Header at the left, center or right.")});

const BandSettings Footer = bandSettings(
    QStringLiteral("Footer"),
    {{.Name = "footer-text",
      .ValueName = "TEXT",
      .Help = QT_TRANSLATE_NOOP("quenbrook-album", "A footer line with this text."),
      .Value = BandStyle::Text},
     {.Name = "footer-page-number",
      .Help = QT_TRANSLATE_NOOP("quenbrook-album", "The page number as the footer."),
      .Value = BandStyle::PageNumber},
     {.Name = "no-footer",
      .Help = QT_TRANSLATE_NOOP("quenbrook-album", "No footer."),
      .Value = BandStyle::None}},
    {.Name = "footer-align",
     .ValueName = "WHERE",
     .Help = QT_TRANSLATE_NOOP("quenbrook-album", "Footer at the left, center or right.")});

const AlbumSetting<PrintSettings, bool> Center{
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
const AlbumSetting<PrintSettings, qint32> PictureResolution{
    .Key = QStringLiteral("PictureResolution"),
    .Field = &PrintSettings::PictureResolution,
    .Default = 300,
    .Choices = resolutionChoices(),
    .Options = {{.Name = "resolution",
                 .ValueName = "PPI",
                 // %1: the choices, "150, 300, 600, printer".
                 .Help = QT_TRANSLATE_NOOP(
                     "quenbrook-album",
                     "Most pixels per inch of a picture on paper: %1 (the printer's own)."),
                 .Words = {{"printer", PrintSettings::PrinterResolution}}}}};

} // namespace AlbumSettings

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
