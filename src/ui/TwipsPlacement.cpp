#include "ui/TwipsPlacement.h"

#include "settings/NumberRules.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>
#include <limits>

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

float PositionOnScreen(float position, float screenExtent)
{
    return position < 0 || position > screenExtent ? 0 : position;
}

float OuterTwips::left() const
{
    return ToTwips(window_.pos().x(), left_);
}

float OuterTwips::top() const
{
    return ToTwips(window_.pos().y(), top_);
}

float OuterTwips::width() const
{
    return ToTwips(window_.width(), width_);
}

float OuterTwips::height() const
{
    return ToTwips(window_.height(), height_);
}

void OuterTwips::place(float left, float top, float width, float height)
{
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    window_.move(ToPixels(left), ToPixels(top));
    window_.resize(ToPixels(width), ToPixels(height));
}

void OuterTwips::setWidth(float width)
{
    width_ = width;
    window_.resize(ToPixels(width), window_.height());
}

void OuterTwips::setHeight(float height)
{
    height_ = height;
    window_.resize(window_.width(), ToPixels(height));
}

} // namespace quenbrook
