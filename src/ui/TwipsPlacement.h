#pragma once

#include "ui/Twips.h"

#include <QRect>
#include <QRectF>
#include <QSizeF>
#include <QString>

class QWidget;

// A main window's placement in twips, kept as single-precision numbers as the settings store
// holds them.
namespace quenbrook {

// Twips and logical pixels. A pixel count converts back to the twips it was made from when
// `known` rounds to it, so exact placements survive the pixel grid.
int ToPixels(float twips);
QRect ToPixels(const QRectF& twips);
float ToTwips(int pixels, float known);

// A stored placement value: the text must be one finite number, else the default applies.
float PlacementValue(const QString& stored, float defaultValue);

// The primary screen's size in twips; unbounded when there is no screen.
QSizeF ScreenTwips();

// A position left of or above the screen, or beyond its width or height, becomes 0.
float PositionOnScreen(float position, float screenExtent);

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
