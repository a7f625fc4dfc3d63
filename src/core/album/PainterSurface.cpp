// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/album/PainterSurface.h"

#include "core/pictures/Picture.h"

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
    : defaultFont_(QGuiApplication::font())
{}

PainterSurface::~PainterSurface() = default;

QColor PainterSurface::toQColor(PrintColor color)
{
    const auto bits = static_cast<quint32>(color);
    return QColor(int(bits & 0xFF), int((bits >> 8) & 0xFF), int((bits >> 16) & 0xFF));
}

void PainterSurface::setError(const QString& reason)
{
    if (error_.isEmpty())
        error_ = reason;
}

PrintFont PainterSurface::defaultFont() const
{
    PrintFont font;
    font.Name = QFontInfo(defaultFont_).family();
    font.Size = defaultFont_.pointSizeF();
    font.Bold = defaultFont_.bold();
    font.Italic = defaultFont_.italic();
    font.Strikethrough = defaultFont_.strikeOut();
    font.Underline = defaultFont_.underline();
    return font;
}

QFont PainterSurface::toQFont(const PrintFont& font) const
{
    QFont qfont = defaultFont_;
    if (!font.Name.isEmpty())
        qfont.setFamily(font.Name);
    if (std::isfinite(font.Size) && font.Size > 0)
        qfont.setPointSizeF(std::min(font.Size, MaxFontPoints));
    qfont.setBold(font.Bold);
    qfont.setItalic(font.Italic);
    qfont.setStrikeOut(font.Strikethrough);
    qfont.setUnderline(font.Underline);
    return qfont;
}

double PainterSurface::textWidth(const PrintFont& font, const QString& text) const
{
    return QFontMetricsF(toQFont(font), &metricsDevice()).horizontalAdvance(text);
}

double PainterSurface::textHeight(const PrintFont& font, const QString&) const
{
    return QFontMetricsF(toQFont(font), &metricsDevice()).height();
}

double PainterSurface::drawText(const QString& text, QPointF at, const TextLook& look)
{
    const QFont font = toQFont(look.font);
    const QFontMetricsF metrics(font, &metricsDevice());
    const QRectF box(at, QSizeF(metrics.horizontalAdvance(text), metrics.height()));
    if (isDrawable(box)) {
        if (QPainter* painter = pagePainter()) {
            if (!look.transparent)
                painter->fillRect(box, Qt::white);
            painter->setFont(font);
            painter->setPen(toQColor(look.color));
            painter->drawText(QPointF(box.left(), box.top() + metrics.ascent()), text);
        }
    }
    return metrics.height();
}

void PainterSurface::drawPicture(const Picture& picture, const QRectF& target)
{
    if (!isDrawable(target))
        return;
    if (QPainter* painter = pagePainter()) {
        painter->save();
        picture.paint(*painter, target);
        painter->restore();
    }
}

void PainterSurface::drawOutline(QPointF corner, QPointF opposite, PrintColor color)
{
    const QRectF rect = QRectF(corner, opposite).normalized();
    if (std::isnan(rect.left()) || std::isnan(rect.top()) || std::isnan(rect.right()) ||
        std::isnan(rect.bottom()))
        return;
    const QSizeF page = drawableInches() * dotsPerInch();
    const auto near = [](double pixels, double side) { return std::clamp(pixels, -2.0, side + 2); };
    const QPointF topLeft(near(rect.left(), page.width()), near(rect.top(), page.height()));
    const QPointF bottomRight(near(rect.right(), page.width()), near(rect.bottom(), page.height()));
    if (QPainter* painter = pagePainter()) {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->setPen(QPen(toQColor(color), 1));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(QRectF(topLeft, bottomRight));
        painter->restore();
    }
}

} // namespace quenbrook
