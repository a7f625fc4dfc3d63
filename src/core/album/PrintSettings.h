// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

namespace quenbrook {

// Print distances are in inches or centimetres, as "Scale" says.
enum class PrintUnit
{
    Inch,
    Centimetre
};

// Codes as stored; an enum with a fixed underlying type also holds values outside the named ones,
// which the store may contain (an alignment of 7 is kept and drawn as such).
enum class BandStyle : qint32
{
    None = 0,
    PageNumber = 1,
    Text = 2
};
enum class BandAlignment : qint32
{
    Left = 0,
    Center = 1,
    Right = 2
};
enum class LabelPlace : qint32
{
    Above = 0,
    Below = 1
};
enum class LabelKind : qint32
{
    None = 0,
    FileName = 1,
    FilePathName = 2
};

// A font of the album page. Sizes are in points, kept to four decimal places.
struct PrintFont
{
    QString Name;
    double Size = 0;
    bool Bold = false;
    bool Italic = false;
    bool Strikethrough = false;
    bool Underline = false;

    friend bool operator==(const PrintFont&, const PrintFont&) = default;
};

// A colour as stored: red in the lowest byte, then green, then blue.
using PrintColor = qint32;

// A header or footer: what it shows, in which font and colour, where along the line, and its
// distance from the pictures (a length in the unit of Scale).
struct PrintBand
{
    BandStyle Style{};
    QString Text;
    PrintFont Font;
    PrintColor FontColor{};
    BandAlignment Alignment{};
    float Spacing{};
};

// Every album print option of section "AlbumPrinter": a field per key, a font or band per group.
// Lengths are single-precision numbers in the unit of Scale. A new record holds the default of
// every setting as its declaration states it (AlbumSettings.h); the fonts' are empty, as the
// printer's current font stands in for them when the store is read.
struct PrintSettings
{
    PrintSettings();

    PrintUnit Scale{};

    PrintFont
        LabelFont; // FontName, FontSize, FontBold, FontItalic, FontStrikethrough, FontUnderline
    PrintColor FontColor{};
    LabelPlace LabelPosition{};
    LabelKind PrintLabel{};

    float PictureMaxWidth{};
    float PictureMaxHeight{};
    float PictureSpacingX{};
    float PictureSpacingY{};
    float PictureLabelSpacingY{};

    PrintBand Header; // HeaderStyle … HeaderSpacing
    PrintBand Footer; // FooterStyle … FooterSpacing

    bool Center{};

    // Raster pictures are decoded and printed at no more pixels per inch of paper than this;
    // PrinterResolution prints them at the printer's own.
    static constexpr qint32 PrinterResolution = 0;
    static constexpr qint32 PictureResolutions[] = {150, 300, 600};
    qint32 PictureResolution{};
};

} // namespace quenbrook
