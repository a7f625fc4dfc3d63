#pragma once

#include "core/program/Application.h"

#include <QString>

namespace quenbrook {

// Where the print options live in the settings store, and the words stored in them.
namespace PrintKeys {

inline const QString Application = QString::fromUtf16(ApplicationTitle);
inline const QString Section = QStringLiteral("AlbumPrinter");

inline const QString Scale = QStringLiteral("Scale");

inline const QString FontName = QStringLiteral("FontName");
inline const QString FontSize = QStringLiteral("FontSize");
inline const QString FontBold = QStringLiteral("FontBold");
inline const QString FontItalic = QStringLiteral("FontItalic");
inline const QString FontStrikethrough = QStringLiteral("FontStrikethrough");
inline const QString FontUnderline = QStringLiteral("FontUnderline");
inline const QString FontColor = QStringLiteral("FontColor");
inline const QString LabelPosition = QStringLiteral("LabelPosition");
inline const QString PrintLabel = QStringLiteral("PrintLabel");

inline const QString PictureMaxWidth = QStringLiteral("PictureMaxWidth");
inline const QString PictureMaxHeight = QStringLiteral("PictureMaxHeight");
inline const QString PictureSpacingX = QStringLiteral("PictureSpacingX");
inline const QString PictureSpacingY = QStringLiteral("PictureSpacingY");
inline const QString PictureLabelSpacingY = QStringLiteral("PictureLabelSpacingY");

inline const QString HeaderStyle = QStringLiteral("HeaderStyle");
inline const QString HeaderText = QStringLiteral("HeaderText");
inline const QString HeaderFontName = QStringLiteral("HeaderFontName");
inline const QString HeaderFontSize = QStringLiteral("HeaderFontSize");
inline const QString HeaderFontBold = QStringLiteral("HeaderFontBold");
inline const QString HeaderFontItalic = QStringLiteral("HeaderFontItalic");
inline const QString HeaderFontStrikethrough = QStringLiteral("HeaderFontStrikethrough");
inline const QString HeaderFontUnderline = QStringLiteral("HeaderFontUnderline");
inline const QString HeaderFontColor = QStringLiteral("HeaderFontColor");
inline const QString HeaderAlignment = QStringLiteral("HeaderAlignment");
inline const QString HeaderSpacing = QStringLiteral("HeaderSpacing");

inline const QString FooterStyle = QStringLiteral("FooterStyle");
inline const QString FooterText = QStringLiteral("FooterText");
inline const QString FooterFontName = QStringLiteral("FooterFontName");
inline const QString FooterFontSize = QStringLiteral("FooterFontSize");
inline const QString FooterFontBold = QStringLiteral("FooterFontBold");
inline const QString FooterFontItalic = QStringLiteral("FooterFontItalic");
inline const QString FooterFontStrikethrough = QStringLiteral("FooterFontStrikethrough");
inline const QString FooterFontUnderline = QStringLiteral("FooterFontUnderline");
inline const QString FooterFontColor = QStringLiteral("FooterFontColor");
inline const QString FooterAlignment = QStringLiteral("FooterAlignment");
inline const QString FooterSpacing = QStringLiteral("FooterSpacing");

inline const QString Center = QStringLiteral("Center");
// Pixels per inch of paper that raster pictures are printed at, at most; 0: the printer's own.
inline const QString PictureResolution = QStringLiteral("PictureResolution");

// The preview's remembered choices.
inline const QString PreviewZoom = QStringLiteral("PreviewZoom");
inline const QString PrintableArea = QStringLiteral("PrintableArea");
inline const QString PictureArea = QStringLiteral("PictureArea");

// The six keys of one font, in the order name, size, bold, italic, strikethrough, underline.
struct FontKeys
{
    const QString& Name;
    const QString& Size;
    const QString& Bold;
    const QString& Italic;
    const QString& Strikethrough;
    const QString& Underline;
};

inline const FontKeys LabelFont{FontName,   FontSize,          FontBold,
                                FontItalic, FontStrikethrough, FontUnderline};
inline const FontKeys HeaderFont{HeaderFontName,   HeaderFontSize,          HeaderFontBold,
                                 HeaderFontItalic, HeaderFontStrikethrough, HeaderFontUnderline};
inline const FontKeys FooterFont{FooterFontName,   FooterFontSize,          FooterFontBold,
                                 FooterFontItalic, FooterFontStrikethrough, FooterFontUnderline};

// The eleven keys of the header or of the footer.
struct BandKeys
{
    const FontKeys& Font;
    const QString& Color;
    const QString& Text;
    const QString& Alignment;
    const QString& Style;
    const QString& Spacing;
};

inline const BandKeys HeaderBand{HeaderFont,      HeaderFontColor, HeaderText,
                                 HeaderAlignment, HeaderStyle,     HeaderSpacing};
inline const BandKeys FooterBand{FooterFont,      FooterFontColor, FooterText,
                                 FooterAlignment, FooterStyle,     FooterSpacing};

} // namespace PrintKeys

// The texts stored for Scale, LabelPosition and PrintLabel.
namespace PrintWords {

inline const QString Inch = QStringLiteral("Inch");
inline const QString CM = QStringLiteral("CM");
inline const QString Above = QStringLiteral("Above");
inline const QString Below = QStringLiteral("Below");
inline const QString None = QStringLiteral("None");
inline const QString FileName = QStringLiteral("FileName");
inline const QString FilePathName = QStringLiteral("FilePathName");

} // namespace PrintWords
} // namespace quenbrook
