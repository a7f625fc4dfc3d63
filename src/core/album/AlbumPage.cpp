// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/album/AlbumPage.h"

#include "core/album/PagePen.h"
#include "core/album/PageSurface.h"
#include "core/pictures/PictureLoader.h"
#include "core/program/FileNames.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <optional>

namespace quenbrook {

namespace {

// A decode never asks for more than this many pixels a side; bigger targets would only make the
// loader fall back to the picture's own size anyway.
constexpr double MaxTargetSide = 32768;

// Page coordinates to surface coordinates.
struct ViewMap
{
    const PageView& view;

    float x(double pageX) const { return float(view.MarginX + double(view.ZoomFactor) * pageX); }
    float y(double pageY) const { return float(view.MarginY + double(view.ZoomFactor) * pageY); }
    float length(double pageLength) const { return float(double(view.ZoomFactor) * pageLength); }
};

bool drawable(const PageView& view)
{
    return std::isfinite(view.ZoomFactor) && view.ZoomFactor > 0 && std::isfinite(view.MarginX) &&
           std::isfinite(view.MarginY);
}

PageResult surfaceState(const PageSurface& surface)
{
    if (QString error = surface.error(); !error.isEmpty())
        return {PageOutcome::Failed, error};
    return {};
}

bool drawn(const PageResult& result)
{
    return result.outcome == PageOutcome::Drawn;
}

// Pixels needed for a page length on this surface, at least one, at most MaxTargetSide.
int pixelsFor(double pageLength, double zoom, double pixelsPerUnit)
{
    const double pixels = std::ceil(pageLength * zoom * pixelsPerUnit);
    if (!(pixels >= 1))
        return 1;
    return int(std::min(pixels, MaxTargetSide));
}

// One page being drawn: what stays the same from cell to cell.
class PageDrawing
{
public:
    PageDrawing(PageSurface& surface, const PrintSettings& settings, const PageLayout& layout,
                const PageView& view)
        : pen_(surface, settings.Scale)
        , s_(settings)
        , layout_(layout)
        , view_(view)
        , map_{view}
    {}

    void outlinePrintableArea()
    {
        pen_.drawOutline(view_.MarginX, view_.MarginY, pen_.scaleWidth() - view_.MarginX,
                         pen_.scaleHeight() - view_.MarginY, PrintableAreaColor);
    }

    // Header or footer, unless its style is None: the width is measured at the font's own size,
    // so the position is a page position; the text is then written at the zoomed size.
    PageResult band(const PrintBand& band, qint32 page, float pageY)
    {
        if (band.Style == BandStyle::None)
            return {};
        const QString text = BandText(band, page);
        pen_.setTransparent(true);
        pen_.setFont(band.Font, band.Font.Size);
        pen_.setForeColor(band.FontColor);
        const float width = pen_.textWidth(text);
        if (const std::optional<float> pageX =
                BandTextX(band.Alignment, layout_.PrintableWidth, width))
            pen_.setCurrentX(map_.x(*pageX));
        pen_.setCurrentY(map_.y(pageY));
        pen_.setFontSize(band.Font.Size * view_.ZoomFactor);
        pen_.printText(text);
        return surfaceState(pen_.surface());
    }

    // The label font stays for all labels of the page.
    void useLabelFont()
    {
        pen_.setTransparent(true);
        pen_.setFont(s_.LabelFont, s_.LabelFont.Size * view_.ZoomFactor);
        pen_.setForeColor(s_.FontColor);
    }

    // The picture fitted into its cell, its label, and the cell's outline when asked for.
    PageResult cell(const CellPlace& cell, const Picture& picture, const QString& path)
    {
        const PictureFit fit = FitPicture(picture.widthHimetric(), picture.heightHimetric(), s_);
        pen_.paintPicture(picture, map_.x(double(cell.CellLeft) + fit.OffsetX),
                          map_.y(double(cell.CellTop) + fit.OffsetY), map_.length(fit.DrawWidth),
                          map_.length(fit.DrawHeight));
        if (PageResult r = surfaceState(pen_.surface()); !drawn(r))
            return r;

        if (s_.PrintLabel != LabelKind::None) {
            const PagePoint at = LabelOrigin(layout_, s_, cell.CellLeft, cell.CellTop);
            pen_.setCurrentX(map_.x(at.X));
            pen_.setCurrentY(map_.y(at.Y));
            pen_.printText(LabelText(s_.PrintLabel, path));
        }
        if (view_.showPictureArea)
            pen_.drawOutline(map_.x(cell.CellLeft), map_.y(cell.CellTop),
                             map_.x(double(cell.CellLeft) + s_.PictureMaxWidth),
                             map_.y(double(cell.CellTop) + s_.PictureMaxHeight), PictureAreaColor);
        return surfaceState(pen_.surface());
    }

private:
    PagePen pen_;
    const PrintSettings& s_;
    const PageLayout& layout_;
    const PageView& view_;
    const ViewMap map_;
};

} // namespace

QString BandText(const PrintBand& band, qint32 page)
{
    if (band.Style == BandStyle::PageNumber)
        return QString::number(page);
    return band.Text;
}

QString SpellingOnDisk(const QString& name, const QStringList& folderEntries)
{
    if (folderEntries.contains(name))
        return name;
    for (const QString& entry : folderEntries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return QString();
}

QString LabelText(LabelKind kind, const QString& entry)
{
    switch (kind) {
    case LabelKind::None:
        return QString();
    case LabelKind::FileName: {
        const QFileInfo info(entry);
        if (entry.isEmpty() || !FileFactsOf(entry).isFile)
            return QString();
        // On a case-insensitive mount the entry may spell the name otherwise than the folder
        // holds it. A folder that cannot be listed leaves the entry's spelling.
        const QDir folder = info.dir();
        QString name = SpellingOnDisk(info.fileName(),
                                      folder.entryList(QDir::Files | QDir::Hidden, QDir::NoSort));
        if (name.isEmpty())
            name = info.fileName();
        return QFileInfo(folder, name).isHidden() ? QString() : ShownFileName(name);
    }
    case LabelKind::FilePathName:
        break;
    }
    return ShownFileName(entry);
}

// The loader decodes a picture at the size it takes when fitted into this box, which is the size
// the cell draws it at.
QSize PictureDecodeSize(const PrintSettings& settings, const PageView& view,
                        const PageSurface& surface)
{
    const double perUnit = UnitsPerInch(settings.Scale);
    double pixelsPerUnit = surface.pixelsPerInch() / perUnit;
    if (view.MaxPixelsPerInch > 0)
        pixelsPerUnit =
            std::min(pixelsPerUnit, view.MaxPixelsPerInch / perUnit / double(view.ZoomFactor));
    if (!std::isfinite(pixelsPerUnit) || pixelsPerUnit <= 0)
        return QSize();
    return QSize(pixelsFor(settings.PictureMaxWidth, view.ZoomFactor, pixelsPerUnit),
                 pixelsFor(settings.PictureMaxHeight, view.ZoomFactor, pixelsPerUnit));
}

PageResult DrawAlbumPage(PageSurface& surface, const PrintSettings& settings,
                         const PageLayout& layout, const QStringList& printList, qint32 page,
                         const PageView& view, const PagePictureHook& hook,
                         const PictureSource& source)
{
    if (!drawable(view))
        return {PageOutcome::Failed, QCoreApplication::translate("AlbumPage", BadPageViewMessage)};
    PageDrawing drawing(surface, settings, layout, view);
    if (view.clearFirst)
        surface.clear();
    if (view.showPrintableArea)
        drawing.outlinePrintableArea();
    if (page < 1)
        return surfaceState(surface);

    if (PageResult r = drawing.band(settings.Header, page, HeaderTextY); !drawn(r))
        return r;
    if (PageResult r = drawing.band(settings.Footer, page, FooterTextY(layout, settings.Footer));
        !drawn(r))
        return r;
    drawing.useLabelFont();

    // The preview loads its pictures here, each for the same size.
    const QSize decodePixels = source ? QSize() : PictureDecodeSize(settings, view, surface);
    const qint64 count = printList.size();
    for (qint32 row = 1; row <= layout.RowCount; ++row) {
        for (qint32 column = 1; column <= layout.ColumnCount; ++column) {
            const CellPlace cell = CellOrigin(layout, settings, page, row, column);
            // Every later cell of the page lies past the list too.
            if (cell.Index < 0 || cell.Index >= count)
                return surfaceState(surface);

            const QString& path = printList.at(cell.Index);
            // This picture is released before the next one is taken.
            const PictureResult loaded =
                source ? source(cell.Index, path) : PictureLoader::load(path, decodePixels);
            if (const auto* error = std::get_if<PictureError>(&loaded))
                return {PageOutcome::Failed, error->message};
            if (hook && hook(page, cell.Index, path) == PictureStep::Stop)
                return {PageOutcome::Stopped, QString()};
            if (PageResult r = drawing.cell(cell, std::get<Picture>(loaded), path); !drawn(r))
                return r;
        }
    }
    return surfaceState(surface);
}

} // namespace quenbrook
