#include "core/album/PainterSurface.h"

#include "core/pictures/Picture.h"
#include "core/program/Units.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace quenbrook {
namespace {

// Device coordinates beyond this are far off any page; they are not handed to QPainter.
constexpr double FarOff = 1e7;

bool isDrawable(const QRectF& rect)
{
    const auto near = [](double value) { return std::isfinite(value) && std::abs(value) < FarOff; };
    return near(rect.x()) && near(rect.y()) && near(rect.width()) && near(rect.height());
}

} // namespace

PainterSurface::PainterSurface()
    : font_(QGuiApplication::font())
{}

PainterSurface::~PainterSurface() = default;

double PainterSurface::unitsPerInch(PrintUnit unit)
{
    return unit == PrintUnit::Inch ? 1.0 : CentimetresPerInch;
}

QColor PainterSurface::toQColor(PrintColor color)
{
    const auto bits = static_cast<quint32>(color);
    return QColor(int(bits & 0xFF), int((bits >> 8) & 0xFF), int((bits >> 16) & 0xFF));
}

void PainterSurface::setScaleMode(PrintUnit unit)
{
    unit_ = unit;
}

double PainterSurface::toDeviceX(double units) const
{
    return units * dotsPerInchX() / unitsPerInch(unit_);
}

double PainterSurface::toDeviceY(double units) const
{
    return units * dotsPerInchY() / unitsPerInch(unit_);
}

double PainterSurface::fromDeviceX(double pixels) const
{
    return pixels * unitsPerInch(unit_) / dotsPerInchX();
}

double PainterSurface::fromDeviceY(double pixels) const
{
    return pixels * unitsPerInch(unit_) / dotsPerInchY();
}

QRectF PainterSurface::toDeviceRect(double x, double y, double width, double height) const
{
    return QRectF(toDeviceX(x), toDeviceY(y), toDeviceX(width), toDeviceY(height));
}

double PainterSurface::pixelsPerUnit() const
{
    return toDeviceX(1);
}

void PainterSurface::setError(const QString& reason)
{
    if (error_.isEmpty())
        error_ = reason;
}

void PainterSurface::setFontName(const QString& name)
{
    if (!name.isEmpty())
        font_.setFamily(name);
}

void PainterSurface::setFontSize(double points)
{
    if (std::isfinite(points) && points > 0)
        font_.setPointSizeF(std::min(points, MaxFontPoints));
}

void PainterSurface::setFontBold(bool on)
{
    font_.setBold(on);
}

void PainterSurface::setFontItalic(bool on)
{
    font_.setItalic(on);
}

void PainterSurface::setFontStrikethrough(bool on)
{
    font_.setStrikeOut(on);
}

void PainterSurface::setFontUnderline(bool on)
{
    font_.setUnderline(on);
}

PrintFont PainterSurface::font() const
{
    PrintFont font;
    font.Name = QFontInfo(font_).family();
    font.Size = font_.pointSizeF();
    font.Bold = font_.bold();
    font.Italic = font_.italic();
    font.Strikethrough = font_.strikeOut();
    font.Underline = font_.underline();
    return font;
}

void PainterSurface::setForeColor(PrintColor color)
{
    foreColor_ = color;
}

void PainterSurface::setFontTransparent(bool on)
{
    transparent_ = on;
}

float PainterSurface::textWidth(const QString& text) const
{
    const QFontMetricsF metrics(font_, &metricsDevice());
    return static_cast<float>(fromDeviceX(metrics.horizontalAdvance(text)));
}

float PainterSurface::textHeight(const QString&) const
{
    const QFontMetricsF metrics(font_, &metricsDevice());
    return static_cast<float>(fromDeviceY(metrics.height()));
}

void PainterSurface::printText(const QString& text)
{
    const QFontMetricsF metrics(font_, &metricsDevice());
    const QRectF box(toDeviceX(currentX_), toDeviceY(currentY_), metrics.horizontalAdvance(text),
                     metrics.height());
    if (isDrawable(box)) {
        if (QPainter* painter = pagePainter()) {
            if (!transparent_)
                painter->fillRect(box, Qt::white);
            painter->setFont(font_);
            painter->setPen(toQColor(foreColor_));
            painter->drawText(QPointF(box.left(), box.top() + metrics.ascent()), text);
        }
    }
    currentX_ = 0;
    currentY_ += static_cast<float>(fromDeviceY(metrics.height()));
}

void PainterSurface::paintPicture(const Picture& picture, float x, float y, float width,
                                  float height)
{
    const QRectF target = toDeviceRect(x, y, width, height);
    if (!isDrawable(target))
        return;
    if (QPainter* painter = pagePainter()) {
        painter->save();
        picture.paint(*painter, target);
        painter->restore();
    }
}

} // namespace quenbrook
