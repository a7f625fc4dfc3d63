// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/album/PageSurface.h"

#include <QColor>
#include <QFont>

class QPainter;
class QPaintDevice;

namespace quenbrook {

// What the printer and the preview page have in common: a QPainter page in device pixels. Text,
// pictures and outlines are drawn the same on both; the size of the page and the document
// operations are left to each.
class PainterSurface : public PageSurface
{
public:
    ~PainterSurface() override;

    // The name is the family the font system actually gives for the one asked.
    PrintFont defaultFont() const override;

    double textWidth(const PrintFont& font, const QString& text) const override;
    // The height of one line of the font, whatever the text.
    double textHeight(const PrintFont& font, const QString& text) const override;
    double drawText(const QString& text, QPointF at, const TextLook& look) override;
    void drawPicture(const Picture& picture, const QRectF& target) override;
    // Edges far off the page are pulled to just outside it, where they stay invisible.
    void drawOutline(QPointF corner, QPointF opposite, PrintColor color) override;

    QString error() const override { return error_; }

    // The font sizes a dialog accepts.
    static constexpr double MaxFontPoints = quenbrook::MaxFontPoints;

    // A stored colour (red in the lowest byte) as a QColor; the top byte is not used.
    static QColor toQColor(PrintColor color);

protected:
    PainterSurface();

    // Text is measured on this device.
    virtual const QPaintDevice& metricsDevice() const = 0;
    // A painter on the current page, starting the document when there is none; nullptr when the
    // page cannot be drawn on (error() says why).
    virtual QPainter* pagePainter() = 0;

    // The font a newly chosen device starts with.
    void resetFont(const QFont& font) { defaultFont_ = font; }

    // Keeps the first failure until clearError().
    void setError(const QString& reason);
    void clearError() { error_.clear(); }

private:
    // The device's font with the attributes of a print font; an empty name or a size that is not a
    // positive number leaves the device's.
    QFont toQFont(const PrintFont& font) const;

    QFont defaultFont_;
    QString error_;
};

} // namespace quenbrook
