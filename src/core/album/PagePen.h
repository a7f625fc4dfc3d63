// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/album/PageSurface.h"

namespace quenbrook {

// The drawing state of one page drawing or layout, kept above the surface: the print unit, the
// font set one attribute at a time, the text colour and transparency, and the text position.
// Places and lengths are in the unit; the surface gets them in its device units.
class PagePen
{
public:
    // Starts with the surface's default font, black, transparent text, at (0, 0).
    PagePen(PageSurface& surface, PrintUnit unit);

    PageSurface& surface() const { return surface_; }

    // The drawable area.
    float scaleWidth() const { return surface_.drawableWidth(unit_); }
    float scaleHeight() const { return surface_.drawableHeight(unit_); }

    // A print font's name, bold, italic, size, strikethrough and underline, at `size` points. An
    // empty name, or a size that is not a positive number, keeps the one in use; a size beyond
    // MaxFontPoints is cut to it.
    void setFont(const PrintFont& font, double size);
    void setFontSize(double points);
    const PrintFont& font() const { return look_.font; }
    void setForeColor(PrintColor color) { look_.color = color; }
    void setTransparent(bool on) { look_.transparent = on; }

    float textWidth(const QString& text) const;
    float textHeight(const QString& text) const;

    void setCurrentX(float x) { currentX_ = x; }
    void setCurrentY(float y) { currentY_ = y; }
    float currentX() const { return currentX_; }
    float currentY() const { return currentY_; }
    // One line at the text position, which then moves to the start of the next line: x 0, y one
    // line lower.
    void printText(const QString& text);

    void paintPicture(const Picture& picture, float x, float y, float width, float height);
    void drawOutline(float x1, float y1, float x2, float y2, PrintColor color);

private:
    double toDevice(double length) const;
    double fromDevice(double length) const;

    PageSurface& surface_;
    PrintUnit unit_;
    TextLook look_;
    float currentX_ = 0;
    float currentY_ = 0;
};

} // namespace quenbrook
