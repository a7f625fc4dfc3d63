#pragma once

#include "core/album/PrintSettings.h"

#include <QString>

namespace quenbrook {

class Picture;

// What an album page is measured and drawn on: the printer, the preview's off-screen page, or a
// recording for tests. After setScaleMode every coordinate, length and text measure is in that
// unit, from the top-left corner of the drawable area (on the printer, the printable area).
//
// The printer's document starts with the first drawing call after the last endDoc or killDoc.
// A failing operation leaves its reason in error(); callers check it where they can give up.
class PageSurface
{
public:
    virtual ~PageSurface() = default;

    virtual void setScaleMode(PrintUnit unit) = 0;
    virtual PrintUnit scaleMode() const = 0;
    // The drawable area in the current unit.
    virtual float scaleWidth() const = 0;
    virtual float scaleHeight() const = 0;
    // The paper in twips (printer; the preview surface reports its own size).
    virtual float paperWidthTwips() const = 0;
    virtual float paperHeightTwips() const = 0;

    // Each attribute of the font is set on its own; font() reads the six current values.
    virtual void setFontName(const QString& name) = 0;
    virtual void setFontSize(double points) = 0;
    virtual void setFontBold(bool on) = 0;
    virtual void setFontItalic(bool on) = 0;
    virtual void setFontStrikethrough(bool on) = 0;
    virtual void setFontUnderline(bool on) = 0;
    virtual PrintFont font() const = 0;
    virtual void setForeColor(PrintColor color) = 0;
    // Text drawing that does not paint its background.
    virtual void setFontTransparent(bool on) = 0;

    virtual float textWidth(const QString& text) const = 0;
    virtual float textHeight(const QString& text) const = 0;

    // One line of text is written with its top-left corner at the text position.
    virtual void setCurrentX(float x) = 0;
    virtual void setCurrentY(float y) = 0;
    virtual float currentX() const = 0;
    virtual float currentY() const = 0;
    virtual void printText(const QString& text) = 0;

    // The whole picture stretched into the rectangle.
    virtual void paintPicture(const Picture& picture, float x, float y, float width,
                              float height) = 0;
    // Device pixels per unit: pictures are decoded for this density at their drawn size.
    virtual double pixelsPerUnit() const = 0;

    // Preview only; the printer ignores them.
    virtual void clear() = 0;
    virtual void drawRectOutline(float x1, float y1, float x2, float y2, PrintColor color) = 0;

    // Printer only; the preview ignores them.
    virtual void newPage() = 0;
    virtual void endDoc() = 0;
    virtual void killDoc() = 0;

    // Empty while all is well; the reason of the first failure otherwise.
    virtual QString error() const = 0;
};

// The text whose height is a font's line height on a surface.
inline constexpr char16_t LineSample[] = u"ABCxyz";

} // namespace quenbrook
