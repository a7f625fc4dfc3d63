// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/album/PageLayout.h"

#include "core/album/PagePen.h"
#include "core/album/PageSurface.h"

#include <QCoreApplication>
#include <cmath>
#include <limits>

namespace quenbrook {

namespace {

constexpr qint64 MaxCount = std::numeric_limits<qint32>::max();

// Fix of a cells-across or rows-down quotient; nothing when not one whole cell fits or the count
// does not fit in 32 bits.
std::optional<qint32> cellCount(double quotient)
{
    if (!std::isfinite(quotient) || quotient < 1.0 || quotient >= double(MaxCount) + 1.0)
        return std::nullopt;
    return static_cast<qint32>(std::trunc(quotient));
}

// The page as far as it was laid out goes with the refusal, for a message that says why.
LayoutFailure noCellFits(const PageLayout& page)
{
    return {LayoutProblem::NoCellFits, QCoreApplication::translate("PageLayout", NoCellFitsMessage),
            page};
}

bool allFinite(std::initializer_list<float> values)
{
    for (float v : values) {
        if (!std::isfinite(v))
            return false;
    }
    return true;
}

// The printable area and the heights of the bands and of the label line.
// A band takes its line and its spacing; a band of style None takes nothing.
float bandHeight(const PrintBand& band, float lineHeight)
{
    return band.Style == BandStyle::None ? 0 : lineHeight + band.Spacing;
}

PageLayout bandsOf(const PrintSettings& s, const PageMeasures& measures)
{
    PageLayout layout;
    layout.PrintableWidth = measures.PrintableWidth;
    layout.PrintableHeight = measures.PrintableHeight;
    layout.HeaderHeight = bandHeight(s.Header, measures.HeaderLineHeight);
    layout.FooterHeight = bandHeight(s.Footer, measures.FooterLineHeight);
    if (s.PrintLabel != LabelKind::None) {
        layout.LabelHeight = measures.LabelLineHeight;
        layout.LabelGap = s.PictureLabelSpacingY;
    }
    return layout;
}

bool measuresUsable(const PageLayout& layout, const PrintSettings& s)
{
    if (!allFinite({layout.PrintableWidth, layout.PrintableHeight, layout.HeaderHeight,
                    layout.FooterHeight, layout.LabelHeight, layout.LabelGap, s.PictureMaxWidth,
                    s.PictureMaxHeight, s.PictureSpacingX, s.PictureSpacingY}))
        return false;
    // A cell of negative size holds no picture.
    return s.PictureMaxWidth >= 0 && s.PictureMaxHeight >= 0;
}

// Columns, rows and pictures a page; false when not one cell fits or they do not count in 32
// bits.
bool countCells(PageLayout& layout, const PrintSettings& s)
{
    // Sums in single precision, the quotient in double.
    const float columnSpan = layout.PrintableWidth + s.PictureSpacingX;
    const float columnPitch = s.PictureMaxWidth + s.PictureSpacingX;
    const float rowSpan =
        s.PictureSpacingY + layout.PrintableHeight - layout.HeaderHeight - layout.FooterHeight;
    const float rowPitch =
        s.PictureSpacingY + s.PictureMaxHeight + layout.LabelGap + layout.LabelHeight;
    if (!(columnPitch > 0) || !(rowPitch > 0))
        return false;

    const std::optional<qint32> columns = cellCount(double(columnSpan) / double(columnPitch));
    const std::optional<qint32> rows = cellCount(double(rowSpan) / double(rowPitch));
    if (!columns || !rows)
        return false;
    const qint64 perPage = qint64(*rows) * qint64(*columns);
    if (perPage > MaxCount)
        return false;
    layout.ColumnCount = *columns;
    layout.RowCount = *rows;
    layout.PicturesPerPage = qint32(perPage);
    return true;
}

void countPages(PageLayout& layout, int n)
{
    if (n > 0) {
        layout.PageCount = n / layout.PicturesPerPage;
        if (n % layout.PicturesPerPage > 0)
            ++layout.PageCount;
    }
}

// Shares the room the cells leave out on both sides; false when the offsets are not numbers.
bool centerCells(PageLayout& layout, const PrintSettings& s)
{
    const double c = layout.ColumnCount;
    const double r = layout.RowCount;
    const double offsetX = (double(layout.PrintableWidth) - double(s.PictureSpacingX) * (c - 1) -
                            double(s.PictureMaxWidth) * c) /
                           2;
    const float heightLeft = layout.PrintableHeight - layout.HeaderHeight - layout.FooterHeight;
    const double offsetY =
        (double(heightLeft) - double(s.PictureSpacingY) * (r - 1) - double(s.PictureMaxHeight) * r -
         double(layout.LabelGap) * r - double(layout.LabelHeight) * r) /
        2;
    layout.OffsetX = float(offsetX);
    layout.OffsetY = float(offsetY);
    return allFinite({layout.OffsetX, layout.OffsetY});
}

} // namespace

LayoutResult ComputePageLayout(const PrintSettings& settings, int n, PageSurface& surface)
{
    const QString sample = QString::fromUtf16(LineSample);
    PagePen pen(surface, settings.Scale);
    PageMeasures measures;
    measures.PrintableWidth = pen.scaleWidth();
    measures.PrintableHeight = pen.scaleHeight();

    // A font without a name, or without a usable size, takes the one measured before it.
    pen.setFont(settings.Header.Font, settings.Header.Font.Size);
    measures.HeaderLineHeight = pen.textHeight(sample);
    pen.setFont(settings.Footer.Font, settings.Footer.Font.Size);
    measures.FooterLineHeight = pen.textHeight(sample);
    if (settings.PrintLabel != LabelKind::None) {
        pen.setFont(settings.LabelFont, settings.LabelFont.Size);
        measures.LabelLineHeight = pen.textHeight(sample);
    }

    if (const QString error = surface.error(); !error.isEmpty())
        return LayoutFailure{LayoutProblem::SurfaceFailed, error, {}};
    return LayoutFromMeasures(settings, n, measures);
}

LayoutResult LayoutFromMeasures(const PrintSettings& settings, int n, const PageMeasures& measures)
{
    PageLayout layout = bandsOf(settings, measures);
    if (!measuresUsable(layout, settings) || !countCells(layout, settings))
        return noCellFits(layout);
    countPages(layout, n);
    if (settings.Center && !centerCells(layout, settings))
        return noCellFits(layout);
    return layout;
}

CellPlace CellOrigin(const PageLayout& layout, const PrintSettings& settings, qint32 page,
                     qint32 row, qint32 column)
{
    const qint64 rowsBefore = qint64(row) - 1;
    const qint64 columnsBefore = qint64(column) - 1;
    CellPlace cell;
    cell.Index = (qint64(page) - 1) * layout.PicturesPerPage + rowsBefore * layout.ColumnCount +
                 columnsBefore;

    const float columnPitch = settings.PictureMaxWidth + settings.PictureSpacingX;
    const float rowPitch =
        settings.PictureSpacingY + settings.PictureMaxHeight + layout.LabelGap + layout.LabelHeight;
    cell.CellLeft = float(double(columnPitch) * double(columnsBefore) + layout.OffsetX);
    double top = double(rowPitch) * double(rowsBefore) + layout.HeaderHeight + layout.OffsetY;
    // The label line of the first row sits between the header and the cells.
    if (settings.LabelPosition == LabelPlace::Above)
        top += double(layout.LabelGap) + double(layout.LabelHeight);
    cell.CellTop = float(top);
    return cell;
}

PictureFit FitPicture(double w, double h, const PrintSettings& settings)
{
    const float cellWidth = settings.PictureMaxWidth;
    const float cellHeight = settings.PictureMaxHeight;
    PictureFit fit;
    if (!allFinite({cellWidth, cellHeight}))
        return fit;

    const bool hasSize = std::isfinite(w) && std::isfinite(h) && w > 0 && h > 0;
    if (hasSize) {
        const float cellRatio = cellWidth / cellHeight;
        const float pictureRatio = float(w / h);
        // Equal ratios fill the width.
        if (cellRatio <= pictureRatio) {
            fit.DrawWidth = cellWidth;
            fit.DrawHeight = float(h / w * double(cellWidth));
        } else {
            fit.DrawHeight = cellHeight;
            fit.DrawWidth = float(w / h * double(cellHeight));
        }
    }
    if (!hasSize || !allFinite({fit.DrawWidth, fit.DrawHeight})) {
        fit.DrawWidth = cellWidth;
        fit.DrawHeight = cellHeight;
    }
    fit.OffsetX = (cellWidth - fit.DrawWidth) / 2;
    fit.OffsetY = (cellHeight - fit.DrawHeight) / 2;
    return fit;
}

PagePoint LabelOrigin(const PageLayout& layout, const PrintSettings& settings, float cellLeft,
                      float cellTop)
{
    PagePoint at;
    at.X = cellLeft;
    if (settings.LabelPosition == LabelPlace::Above)
        at.Y = cellTop - (layout.LabelGap + layout.LabelHeight);
    else
        at.Y = cellTop + settings.PictureMaxHeight + layout.LabelGap;
    return at;
}

std::optional<float> BandTextX(BandAlignment alignment, float printableWidth, float textWidth)
{
    switch (alignment) {
    case BandAlignment::Left:
        return 0.0f;
    case BandAlignment::Center:
        return (printableWidth - textWidth) / 2;
    case BandAlignment::Right:
        return printableWidth - textWidth;
    }
    return std::nullopt;
}

float FooterTextY(const PageLayout& layout, const PrintBand& footer)
{
    return layout.PrintableHeight - layout.FooterHeight + footer.Spacing;
}

} // namespace quenbrook
