// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/geometry/TwipsPlacement.h"

#include <QString>
#include <QWidget>

namespace quenbrook {

// A control named and placed where the window's design puts it, in twips.
template <class Control>
Control* PlaceControl(Control* control, const QString& name, const QRectF& design)
{
    control->setObjectName(name);
    control->setGeometry(ToPixels(design));
    return control;
}

// The outer placement of a window in twips. The window's own frame counts (its menu bar
// included); the window manager's decorations do not, as they are not the program's. Values set
// here read back exactly while the window's pixels still match them.
class OuterTwips
{
public:
    explicit OuterTwips(QWidget& window)
        : window_(window)
    {}

    float left() const;
    float top() const;
    float width() const;
    float height() const;

    void place(float left, float top, float width, float height);
    void setWidth(float width);
    void setHeight(float height);

private:
    QWidget& window_;
    float left_ = 0;
    float top_ = 0;
    float width_ = 0;
    float height_ = 0;
};

} // namespace quenbrook
