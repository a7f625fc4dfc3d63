// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/album/PagePen.h"

#include <algorithm>
#include <cmath>

namespace quenbrook {

PagePen::PagePen(PageSurface& surface, PrintUnit unit)
    : surface_(surface)
    , unit_(unit)
{
    look_.font = surface.defaultFont();
}

double PagePen::toDevice(double length) const
{
    return length * surface_.dotsPerInch() / UnitsPerInch(unit_);
}

double PagePen::fromDevice(double length) const
{
    return length * UnitsPerInch(unit_) / surface_.dotsPerInch();
}

void PagePen::setFont(const PrintFont& font, double size)
{
    if (!font.Name.isEmpty())
        look_.font.Name = font.Name;
    look_.font.Bold = font.Bold;
    look_.font.Italic = font.Italic;
    setFontSize(size);
    look_.font.Strikethrough = font.Strikethrough;
    look_.font.Underline = font.Underline;
}

void PagePen::setFontSize(double points)
{
    if (std::isfinite(points) && points > 0)
        look_.font.Size = std::min(points, MaxFontPoints);
}

float PagePen::textWidth(const QString& text) const
{
    return static_cast<float>(fromDevice(surface_.textWidth(look_.font, text)));
}

float PagePen::textHeight(const QString& text) const
{
    return static_cast<float>(fromDevice(surface_.textHeight(look_.font, text)));
}

void PagePen::printText(const QString& text)
{
    const double lineHeight =
        surface_.drawText(text, QPointF(toDevice(currentX_), toDevice(currentY_)), look_);
    currentX_ = 0;
    currentY_ += static_cast<float>(fromDevice(lineHeight));
}

void PagePen::paintPicture(const Picture& picture, float x, float y, float width, float height)
{
    surface_.drawPicture(picture,
                         QRectF(toDevice(x), toDevice(y), toDevice(width), toDevice(height)));
}

void PagePen::drawOutline(float x1, float y1, float x2, float y2, PrintColor color)
{
    surface_.drawOutline(QPointF(toDevice(x1), toDevice(y1)), QPointF(toDevice(x2), toDevice(y2)),
                         color);
}

} // namespace quenbrook
