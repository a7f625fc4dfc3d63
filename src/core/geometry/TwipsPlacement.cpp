// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/geometry/TwipsPlacement.h"

#include "core/settings/NumberRules.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <limits>

namespace quenbrook {
QRect ToPixels(const QRectF& twips)
{
    const auto f = [](double value) { return static_cast<float>(value); };
    const int left = ToPixels(f(twips.left()));
    const int top = ToPixels(f(twips.top()));
    return {left, top, ToPixels(f(twips.left() + twips.width())) - left,
            ToPixels(f(twips.top() + twips.height())) - top};
}

float ToTwips(int pixels, float known)
{
    return ToPixels(known) == pixels ? known : float(pixels) * TwipsPerPixel;
}

float PlacementValue(const QString& stored, float defaultValue)
{
    if (!IsNumericText(stored))
        return defaultValue;
    const auto value = static_cast<float>(NumericValue(stored));
    return std::isfinite(value) ? value : defaultValue;
}

QSizeF ScreenTwips()
{
    if (const QScreen* primary = QGuiApplication::primaryScreen())
        return QSizeF(primary->size()) * TwipsPerPixel;
    return {std::numeric_limits<float>::max(), std::numeric_limits<float>::max()};
}

// Written so that NaN and -0 come out as 0 too.
float PositionOnScreen(float position, float screenExtent)
{
    return position > 0 && position <= screenExtent ? position : 0;
}

OuterPlacement PlaceOnScreen(const OuterPlacement& stored, QSizeF screenTwips)
{
    const auto width = float(screenTwips.width());
    const auto height = float(screenTwips.height());
    const auto size = [](float value, float screen) {
        return value > 0 ? std::min(value, screen) : 0.f;
    };
    return {PositionOnScreen(stored.Left, width), PositionOnScreen(stored.Top, height),
            size(stored.Width, width), size(stored.Height, height)};
}

} // namespace quenbrook
