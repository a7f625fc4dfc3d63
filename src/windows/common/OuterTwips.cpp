// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/common/OuterTwips.h"

#include <QWidget>

namespace quenbrook {

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
