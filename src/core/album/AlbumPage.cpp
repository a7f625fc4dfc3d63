#include "core/album/AlbumPage.h"

#include "core/album/PageSurface.h"
#include "core/pictures/PictureLoader.h"
#include "core/program/FileNames.h"
#include "core/program/Units.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cmath>

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

// Pixels needed for a page length on this surface, at least one, at most MaxTargetSide.
int pixelsFor(double pageLength, double zoom, double pixelsPerUnit)
{
    const double pixels = std::ceil(pageLength * zoom * pixelsPerUnit);
    if (!(pixels >= 1))
        return 1;
    return int(std::min(pixels, MaxTargetSide));
}

// Header or footer, unless its style is None: the width is measured at the font's own size, so the
// position is a page position; the text is then written at the zoomed size.
PageResult drawBand(PageSurface& surface, const ViewMap& map, const PrintBand& band, qint32 page,
                    float pageY, float printableWidth)
{
    if (band.Style == BandStyle::None)
        return {};
    const QString text = BandText(band, page);
    surface.setFontTransparent(true);
    ApplyFont(surface, band.Font, band.Font.Size);
    surface.setForeColor(band.FontColor);
    const float width = surface.textWidth(text);
    if (const std::optional<float> pageX = BandTextX(band.Alignment, printableWidth, width))
        surface.setCurrentX(map.x(*pageX));
    surface.setCurrentY(map.y(pageY));
    surface.setFontSize(band.Font.Size * map.view.ZoomFactor);
    surface.printText(text);
    return surfaceState(surface);
}

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
    double pixelsPerUnit = surface.pixelsPerUnit();
    if (view.MaxPixelsPerInch > 0) {
        const double perUnit = settings.Scale == PrintUnit::Inch
                                   ? view.MaxPixelsPerInch
                                   : view.MaxPixelsPerInch / CentimetresPerInch;
        pixelsPerUnit = std::min(pixelsPerUnit, perUnit / double(view.ZoomFactor));
    }
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
    const ViewMap map{view};
    const PrintSettings& s = settings;

    if (view.clearFirst)
        surface.clear();
    if (view.showPrintableArea)
        surface.drawRectOutline(view.MarginX, view.MarginY, surface.scaleWidth() - view.MarginX,
                                surface.scaleHeight() - view.MarginY, PrintableAreaColor);
    if (page < 1)
        return surfaceState(surface);

    if (PageResult r = drawBand(surface, map, s.Header, page, HeaderTextY, layout.PrintableWidth);
        r.outcome != PageOutcome::Drawn)
        return r;
    if (PageResult r = drawBand(surface, map, s.Footer, page, FooterTextY(layout, s.Footer),
                                layout.PrintableWidth);
        r.outcome != PageOutcome::Drawn)
        return r;

    // The label font stays for all labels of the page.
    surface.setFontTransparent(true);
    ApplyFont(surface, s.LabelFont, s.LabelFont.Size * view.ZoomFactor);
    surface.setForeColor(s.FontColor);

    const qint64 count = printList.size();
    for (qint32 row = 1; row <= layout.RowCount; ++row) {
        for (qint32 column = 1; column <= layout.ColumnCount; ++column) {
            const CellPlace cell = CellOrigin(layout, s, page, row, column);
            // Every later cell of the page lies past the list too.
            if (cell.Index < 0 || cell.Index >= count)
                return surfaceState(surface);

            const QString& path = printList.at(cell.Index);
            // This picture is released before the next one is taken.
            const QSize decodePixels = PictureDecodeSize(s, view, surface);
            const PictureResult loaded = source ? source(cell.Index, path, decodePixels)
                                                : PictureLoader::load(path, decodePixels);
            if (const auto* error = std::get_if<PictureError>(&loaded))
                return {PageOutcome::Failed, error->message};
            const Picture& picture = std::get<Picture>(loaded);
            if (hook && hook(page, cell.Index, path) == PictureStep::Stop)
                return {PageOutcome::Stopped, QString()};

            const PictureFit fit = FitPicture(picture.widthHimetric(), picture.heightHimetric(), s);
            surface.paintPicture(picture, map.x(double(cell.CellLeft) + fit.OffsetX),
                                 map.y(double(cell.CellTop) + fit.OffsetY),
                                 map.length(fit.DrawWidth), map.length(fit.DrawHeight));
            if (PageResult r = surfaceState(surface); r.outcome != PageOutcome::Drawn)
                return r;

            if (s.PrintLabel != LabelKind::None) {
                const PagePoint at = LabelOrigin(layout, s, cell.CellLeft, cell.CellTop);
                surface.setCurrentX(map.x(at.X));
                surface.setCurrentY(map.y(at.Y));
                surface.printText(LabelText(s.PrintLabel, path));
            }
            if (view.showPictureArea)
                surface.drawRectOutline(map.x(cell.CellLeft), map.y(cell.CellTop),
                                        map.x(double(cell.CellLeft) + s.PictureMaxWidth),
                                        map.y(double(cell.CellTop) + s.PictureMaxHeight),
                                        PictureAreaColor);
            if (PageResult r = surfaceState(surface); r.outcome != PageOutcome::Drawn)
                return r;
        }
    }
    return surfaceState(surface);
}

} // namespace quenbrook
