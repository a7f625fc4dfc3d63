// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/album/PageLayout.h"
#include "core/album/PrintSettings.h"
#include "core/pictures/PictureLoader.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <functional>

namespace quenbrook {

class PageSurface;

// Outline colours of the preview (red in the lowest byte).
inline constexpr PrintColor PrintableAreaColor = 0xFF0000; // blue
inline constexpr PrintColor PictureAreaColor = 0xFF;       // red

// Shown when a page is asked for at a zoom or margin that is not a finite number, or a zoom of 0
// or less.
inline constexpr const char* BadPageViewMessage =
    QT_TRANSLATE_NOOP("AlbumPage", "The page cannot be drawn at this zoom.");

// Where and how a page is drawn. On paper: zoom 1, no margins, no outlines, no clearing.
struct PageView
{
    float ZoomFactor = 1;
    float MarginX = 0; // where the printable area starts on the surface
    float MarginY = 0;
    bool showPrintableArea = false;
    bool showPictureArea = false;
    bool clearFirst = false;
    // Raster pictures are decoded for at most this many pixels per inch of paper; 0: as many as
    // the surface has.
    double MaxPixelsPerInch = 0;
};

// Where the page's pictures come from; by default the loader, at PictureDecodeSize.
using PictureSource = std::function<PictureResult(qint64 index, const QString& path)>;

// The pixels a cell's picture is decoded for on this surface: the cell at the surface's density,
// capped by the view's resolution, fitted by the loader to the picture's proportions. Empty when
// the surface reports no density.
QSize PictureDecodeSize(const PrintSettings& settings, const PageView& view,
                        const PageSurface& surface);

enum class PictureStep
{
    Draw,
    Stop,
};

// Called for each picture after it is loaded and before it is drawn; index counts from 0 into
// the print list. The print job shows its progress and looks at Cancel here.
using PagePictureHook = std::function<PictureStep(qint32 page, qint64 index, const QString& path)>;

enum class PageOutcome
{
    Drawn,
    Stopped, // the hook said stop; the picture in hand was not drawn
    Failed,  // a picture could not be loaded or the surface failed; nothing drawn after it
};

struct PageResult
{
    PageOutcome outcome = PageOutcome::Drawn;
    QString message; // for Failed: the loader's or the surface's reason
};

// Draws one album page: the preview's clearing and printable-area outline, then (for pages from 1)
// header, footer, and the cells row by row, each picture before its label, until the first cell
// past the end of the list. Page positions are drawn at MarginX + ZoomFactor × x and
// MarginY + ZoomFactor × y, lengths and font sizes × ZoomFactor. Does not start a new page.
// The drawing state (font, colour, text position) starts afresh with the surface's default font.
PageResult DrawAlbumPage(PageSurface& surface, const PrintSettings& settings,
                         const PageLayout& layout, const QStringList& printList, qint32 page,
                         const PageView& view, const PagePictureHook& hook = {},
                         const PictureSource& source = {});

// Header or footer text of a page: the page number in decimal for style Page Number, the band's
// text for any other style.
QString BandText(const PrintBand& band, qint32 page);

// Label of a print-list entry: the entry itself for FilePathName; for FileName the name of the
// file as its folder stores it (which a case-insensitive mount may spell otherwise than the
// entry), or "" when no visible regular file is there; "" when labels are off. Other codes are
// labelled like FilePathName.
QString LabelText(LabelKind kind, const QString& entry);

// How a folder holding the given entries spells `name`: the name itself when it is among them,
// else the first entry equal to it but for case; "" when none is.
QString SpellingOnDisk(const QString& name, const QStringList& folderEntries);

} // namespace quenbrook
