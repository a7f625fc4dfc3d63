// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/album/PrintSettings.h"

#include <QString>
#include <QtGlobal>

#include <optional>
#include <variant>

namespace quenbrook {

class PageSurface;

// Shown when not even one cell fits on the page (and for settings that make no grid at all).
inline constexpr const char* NoCellFitsMessage =
    QT_TRANSLATE_NOOP("PageLayout", "Picture is larger than the printable range!\r\nAbort Print!");

// The page grid and band sizes of one print job or one preview opening. Lengths are in the print
// unit, measured from the top-left corner of the printable area.
struct PageLayout
{
    float PrintableWidth = 0;
    float PrintableHeight = 0;
    float HeaderHeight = 0; // header line height + spacing, or 0 without a header
    float FooterHeight = 0; // footer line height + spacing, or 0 without a footer
    float LabelHeight = 0;  // label line height, or 0 without labels
    float LabelGap = 0;     // gap between a cell and its label, or 0 without labels
    qint32 ColumnCount = 0;
    qint32 RowCount = 0;
    qint32 PicturesPerPage = 0;
    qint32 PageCount = 0;
    float OffsetX = 0; // where the grid starts when centred, else 0
    float OffsetY = 0;
};

enum class LayoutProblem
{
    NoCellFits,    // message: NoCellFitsMessage
    SurfaceFailed, // message: the surface's error
};

// What the surface reports for a page, in the print unit.
struct PageMeasures
{
    float PrintableWidth = 0;
    float PrintableHeight = 0;
    float HeaderLineHeight = 0;
    float FooterLineHeight = 0;
    float LabelLineHeight = 0;
};

struct LayoutFailure
{
    LayoutProblem problem = LayoutProblem::NoCellFits;
    QString message;
    // When the cells were refused: the printable area and the heights of the bands and of the
    // label line; no grid.
    PageLayout page;
};

using LayoutResult = std::variant<PageLayout, LayoutFailure>;

// Measures the page on the surface in the settings' unit (the line heights of the header, footer
// and label fonts in turn) and lays out the grid for n pictures.
LayoutResult ComputePageLayout(const PrintSettings& settings, int n, PageSurface& surface);

// The grid from measures already taken. Any size that makes no grid (a pitch of zero or less, a
// negative cell, a count beyond 32 bits, a value that is not a finite number) is refused as
// NoCellFits. A negative n counts as an empty list.
LayoutResult LayoutFromMeasures(const PrintSettings& settings, int n, const PageMeasures& measures);

struct CellPlace
{
    float CellLeft = 0;
    float CellTop = 0;
    qint64 Index = 0; // into the print list, from 0; past the list when the cell is empty
};

// Page, row and column count from 1.
CellPlace CellOrigin(const PageLayout& layout, const PrintSettings& settings, qint32 page,
                     qint32 row, qint32 column);

struct PictureFit
{
    float DrawWidth = 0;
    float DrawHeight = 0;
    float OffsetX = 0; // from the cell's left edge
    float OffsetY = 0; // from the cell's top edge
};

// The largest size of a w × h picture that fits the cell keeping its proportions, centred in the
// cell. Only the ratio of w and h counts. A picture without a positive, finite width and height is
// stretched over the whole cell. A cell that is not a finite size gives an empty fit.
PictureFit FitPicture(double w, double h, const PrintSettings& settings);

struct PagePoint
{
    float X = 0;
    float Y = 0;
};

// Top-left corner of a cell's label line: above the cell when LabelPosition is Above, below it
// otherwise.
PagePoint LabelOrigin(const PageLayout& layout, const PrintSettings& settings, float cellLeft,
                      float cellTop);

// Left edge of a band text w wide; nothing for an alignment other than Left, Center or Right,
// which leaves the text position where it was.
std::optional<float> BandTextX(BandAlignment alignment, float printableWidth, float textWidth);

// Tops of the header and footer lines: the footer line ends at the bottom of the printable area.
inline constexpr float HeaderTextY = 0;
float FooterTextY(const PageLayout& layout, const PrintBand& footer);

} // namespace quenbrook
