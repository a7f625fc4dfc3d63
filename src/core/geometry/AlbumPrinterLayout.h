// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/geometry/TwipsPlacement.h"

#include <QRect>
#include <QRectF>
#include <QSizeF>
#include <QString>

// The placement rules of the Album Printer window: sizes in, positions out, all in twips as
// single-precision numbers. The window converts to logical pixels (15 twips each) and applies
// them (TwipsPerPixel each).
namespace quenbrook::AlbumPrinterLayout {

// Design rectangles of the window's controls (Left, Top, Width, Height).
namespace Design {
inline constexpr QRectF Dir1{0, 840, 2175, 2232};
inline constexpr QRectF Drive1{0, 3240, 2175, 288};
inline constexpr QRectF File1{2160, 840, 2175, 1992};
inline constexpr QRectF cmdAddAll{2280, 2880, 972, 732};
inline constexpr QRectF cmdAdd{3360, 2880, 972, 735};
inline constexpr QRectF lstAlbumList{4440, 840, 3975, 1968};
inline constexpr QRectF cmdRemove{4440, 2880, 975, 735};
inline constexpr QRectF cmdRemoveAll{5520, 2880, 975, 735};
inline constexpr QRectF cmdPrint{6840, 2880, 975, 735};
inline constexpr QRectF cmdUp{8880, 1440, 495, 495};
inline constexpr QRectF cmdDown{8880, 2040, 495, 495};
inline constexpr QRectF imgSplitter{4320, 120, 100, 4305};
inline constexpr QRectF picSplitter{4320, 240, 72, 4800};
} // namespace Design

// The leftmost splitter that covers nothing of the file side: the print list's buttons then
// start where cmdAdd ends.
inline constexpr float SplitterLeast = float(Design::cmdAdd.right() - Design::imgSplitter.width());

// Limits computed once, on load, from the design widths.
struct Limits
{
    float SplitterMin;    // 2 x Drive1 width
    float SplitterMargin; // 2 x imgSplitter width + 1.5 x Drive1 width
    float MinimumWidth;   // 3.5 x Drive1 width
    float ResetWidth;     // 3.6 x Drive1 width, set when the window gets too narrow
    float FixedHeight;    // 2 x Dir1 height
};
Limits ComputeLimits(float drive1Width, float splitterWidth, float dir1Height);
Limits DesignLimits();

// The window's outer position and size and the splitter, as stored.
struct Placement
{
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;
    float SplitterLeft = 0;

    friend bool operator==(const Placement&, const Placement&) = default;
};

// The values an empty store gives.
Placement DefaultPlacement(const Limits& limits);

// A stored splitter as the window can show it, for a window of outerWidth: from SplitterLeast up
// to SplitterMargin short of the right edge (SplitterMin when that is further left). In between,
// a value below SplitterMin included, it is used as stored.
float SplitterOnLoad(float stored, float outerWidth, const Limits& limits);

enum class WindowShow
{
    Normal,
    Minimised,
    Maximised
};

enum class LayoutStep
{
    Nothing,     // minimised
    Restore,     // maximised: back to the normal state
    Widen,       // too narrow: splitter to SplitterMin, width to ResetWidth
    FixHeight,   // height back to FixedHeight
    CompletePass // controls placed and the placement written
};
LayoutStep ChooseLayoutStep(WindowShow show, float outerWidth, float outerHeight,
                            const Limits& limits);

// The horizontal placement of a complete pass for an inner area of W x H.
struct Arrangement
{
    QRectF imgSplitter;
    float FilesOnDiskWidth;
    float SelectedFilesWidth;
    float listLeft;
    float listWidth;
    float upDownLeft;
    float removeLeft;
    float removeAllLeft;
    float printLeft;
    float fileListWidth;
};
Arrangement CompleteLayout(float innerWidth, float innerHeight, float splitterLeft);

// The grey bar shown when the grab area is pressed.
QRectF BarOnPress(const QRectF& imgSplitter);
// Where the bar goes for a pointer at pointerX (relative to the grab area) while dragging.
float DraggedBarLeft(float pointerX, float splitterLeft, float outerWidth, const Limits& limits);

} // namespace quenbrook::AlbumPrinterLayout
