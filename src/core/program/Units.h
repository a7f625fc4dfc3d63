// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QtGlobal>

// The units of the program: twips for windows and the printed page, HIMETRIC (0.01 mm) for the
// natural size of pictures, logical pixels on screen.
namespace quenbrook {

inline constexpr int TwipsPerInch = 1440;
inline constexpr int HimetricPerInch = 2540;
inline constexpr double CentimetresPerInch = 2.54;
inline constexpr int PixelsPerInch = 96;
// Window sizes are designed in twips; a logical pixel is 15 of them.
inline constexpr int TwipsPerPixel = TwipsPerInch / PixelsPerInch;

// Twips as logical pixels, rounded to the nearest and kept to X11's coordinate range.
int ToPixels(float twips);

// A HIMETRIC length as pixels at pixelsPerInch, rounded towards zero, the HIMETRIC value taken as
// rounded to the nearest unit: a raster picture comes back at its own pixel count.
int HimetricToPixels(qint64 himetric, double pixelsPerInch = PixelsPerInch);

// A length in units of which unitsPerInch make an inch, as HIMETRIC rounded to the nearest.
qint64 ToHimetric(qint64 units, qint64 unitsPerInch = PixelsPerInch);

} // namespace quenbrook
