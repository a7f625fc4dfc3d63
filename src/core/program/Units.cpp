// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/program/Units.h"

#include <cmath>

namespace quenbrook {
namespace {

constexpr double MaxPixels = 32767; // the largest window coordinate of X11

} // namespace

int ToPixels(float twips)
{
    const double pixels = std::floor(double(twips) / TwipsPerPixel + 0.5);
    if (!(pixels > -MaxPixels)) // also NaN
        return static_cast<int>(-MaxPixels);
    if (pixels > MaxPixels)
        return static_cast<int>(MaxPixels);
    return static_cast<int>(pixels);
}

int HimetricToPixels(qint64 himetric, double pixelsPerInch)
{
    return static_cast<int>((double(himetric) + 0.5) * pixelsPerInch / HimetricPerInch);
}

qint64 ToHimetric(qint64 units, qint64 unitsPerInch)
{
    return (units * HimetricPerInch * 2 + unitsPerInch) / (unitsPerInch * 2);
}

} // namespace quenbrook
