// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/album/PrintSettings.h"
#include "core/pictures/LoadStop.h"

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

namespace quenbrook {

class Picture;

// How one line of text is written.
struct TextLook
{
    PrintFont font; // size in points
    PrintColor color = 0;
    bool transparent = true; // the text does not paint its background
};

// What an album page is measured and drawn on: the printer, the preview's off-screen page, or a
// recording for tests. A surface keeps no drawing state: each call says what, where and how.
// Places and lengths are in device units, dotsPerInch() of them to the inch, from the top-left
// corner of the drawable area (on the printer, the printable area).
//
// The printer's document starts with the first drawing call or new page after the last endDoc
// or killDoc. A failing operation leaves its reason in error(); callers check it where they can
// give up.
class PageSurface
{
public:
    virtual ~PageSurface() = default;

    // Device units to the inch.
    virtual double dotsPerInch() const = 0;
    // The drawable area.
    virtual QSizeF drawableInches() const = 0;
    // The paper in twips (printer; the preview surface reports its own size).
    virtual float paperWidthTwips() const = 0;
    virtual float paperHeightTwips() const = 0;
    // Pictures are decoded for this many pixels to the inch at their drawn size.
    virtual double pixelsPerInch() const = 0;
    // The font the device starts with (on the printer, the printer's current font).
    virtual PrintFont defaultFont() const = 0;

    // In device units; the height is that of one line of the font.
    virtual double textWidth(const PrintFont& font, const QString& text) const = 0;
    virtual double textHeight(const PrintFont& font, const QString& text) const = 0;
    // One line with its top-left corner at `at`; gives the height of the line, as textHeight.
    virtual double drawText(const QString& text, QPointF at, const TextLook& look) = 0;
    // The whole picture stretched into the rectangle.
    virtual void drawPicture(const Picture& picture, const QRectF& target) = 0;
    // A rectangle outline, one logical pixel wide, between two opposite corners.
    virtual void drawOutline(QPointF corner, QPointF opposite, PrintColor color) = 0;

    // The page is white again (the preview; the printer does nothing).
    virtual void clear() = 0;
    // Printer only; the preview does nothing.
    virtual void newPage() = 0;
    // Delivers the document, unless stop is raised before it is delivered: then it is abandoned
    // as by killDoc, with a reason in error().
    virtual void endDoc(const LoadStop* stop) = 0;
    virtual void killDoc() = 0;

    // Empty while all is well; the reason of the first failure otherwise.
    virtual QString error() const = 0;

    // The drawable area in a print unit.
    float drawableWidth(PrintUnit unit) const;
    float drawableHeight(PrintUnit unit) const;
};

// Inches or centimetres per inch.
double UnitsPerInch(PrintUnit unit);

// The largest font size drawn; larger sizes are cut to it.
inline constexpr double MaxFontPoints = 2048;

// The text whose height is a font's line height on a surface.
inline constexpr char16_t LineSample[] = u"ABCxyz";

} // namespace quenbrook
