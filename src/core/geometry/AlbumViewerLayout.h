// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/program/Units.h"

#include <QRectF>
#include <QSizeF>
#include <QString>

#include <array>
#include <optional>

// The rules of the Album Viewer window that need no widget: its design, the toolbar's keys, the
// navigation through the file list, the placement, the slot grid, the fit of a picture into a
// slot and the information text. Window measures are twips as single-precision numbers.
namespace quenbrook::AlbumViewerLayout {

// Design rectangles of the controls whose place is fixed (Left, Top, Width, Height).
namespace Design {
inline constexpr QRectF Drive1{0, 840, 2535, 315};
inline constexpr QRectF Dir1{0, 1200, 2535, 1890};
inline constexpr QRectF File1{0, 3120, 2535, 1608};
} // namespace Design

// The window is never narrower than three drive lists nor lower than three folder lists.
inline constexpr float MinimumWidth = 3 * float(Design::Drive1.width()); // 7605
inline constexpr float MinimumHeight = 3 * float(Design::Dir1.height()); // 5670

// The highlight frame around a slot: 4 pixels.
inline constexpr float SlotMargin = 4 * TwipsPerPixel;

inline constexpr int SlotCount = 4;

// The toolbar's buttons, left to right, separators left out.
enum class ToolbarButton
{
    AlbumPrinter,
    Bitmap,
    Gif,
    Jpeg,
    Icon,
    First,
    Prev4,
    Prev,
    Next,
    Next4,
    Last,
    AddToList,
    ImageViewer,
    Information
};
inline constexpr int ToolbarButtonCount = 14;

// The key of a button ("AlbumPrinter", "Prev4", ...), and the button of a key; none for a key
// the toolbar does not know.
QString ToolbarKey(ToolbarButton button);
std::optional<ToolbarButton> ToolbarButtonOf(const QString& key);

// The file list's new selected index after a navigation button, for `count` entries of which
// `selected` is selected (-1: none); nothing when the selection stays. Buttons other than the
// six navigation buttons never move it.
std::optional<int> NavigationTarget(int count, int selected, ToolbarButton button);

// The window's outer position and size; as constructed, what an empty store gives.
struct Placement
{
    float Left = 0;
    float Top = 0;
    float Width = MinimumWidth;
    float Height = MinimumHeight;

    friend bool operator==(const Placement&, const Placement&) = default;
};

enum class LayoutStep
{
    Nothing,     // minimised
    Widen,       // narrower than MinimumWidth: the width becomes MinimumWidth
    Heighten,    // lower than MinimumHeight: the height becomes MinimumHeight
    CompletePass // placement stored, controls placed, slots drawn again
};
LayoutStep ChooseLayoutStep(bool minimised, float outerWidth, float outerHeight);

// Where a complete pass puts things for a client area of CW x CH.
struct Arrangement
{
    float DirectoryWidth; // header panel over the file pane
    float PicturesWidth;  // header panel over the slots
    float File1Height;
    std::array<QRectF, SlotCount>
        shpFocus; // 0 top-left, 1 top-right, 2 bottom-left, 3 bottom-right
    std::array<QRectF, SlotCount> picViewer; // each inside its shpFocus by the margins
};
Arrangement CompleteLayout(float CW, float CH, float marginX, float marginY);

// The rectangle a picture of the given shape is drawn into inside a slot of the given size: at
// the slot's top-left corner, proportions kept, as large as fits (enlarged when smaller). Empty
// when the slot or the picture has no area.
QRectF FitToSlotCorner(QSizeF slot, QSizeF picture);

// The text of the Information command, lines joined with CR LF.
QString InformationText(const QString& file, qint64 size, int width, int height);

} // namespace quenbrook::AlbumViewerLayout
