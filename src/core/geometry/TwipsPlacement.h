// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/program/Units.h"

#include <QRect>
#include <QRectF>
#include <QSizeF>
#include <QString>

// A main window's placement in twips, kept as single-precision numbers as the settings store
// holds them.
namespace quenbrook {

// Twips and logical pixels. A pixel count converts back to the twips it was made from when
// `known` rounds to it, so exact placements survive the pixel grid.
QRect ToPixels(const QRectF& twips);
float ToTwips(int pixels, float known);

// A stored placement value: the text must be one finite number, else the default applies.
float PlacementValue(const QString& stored, float defaultValue);

// The primary screen's size in twips; unbounded when there is no screen.
QSizeF ScreenTwips();

// A position left of or above the screen, or beyond its width or height, becomes 0.
float PositionOnScreen(float position, float screenExtent);

// A main window's outer position and size.
struct OuterPlacement
{
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;

    friend bool operator==(const OuterPlacement&, const OuterPlacement&) = default;
};

// A main window's placement as read from the store, kept to the screen: each position as
// PositionOnScreen says, each size between 0 and the screen's. A window's least size is left to
// its own layout rules.
OuterPlacement PlaceOnScreen(const OuterPlacement& stored, QSizeF screenTwips);

} // namespace quenbrook
