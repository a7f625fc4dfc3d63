#pragma once

#include "core/album/PageSurface.h"

#include <QColor>
#include <QFont>
#include <QRectF>

class QPainter;
class QPaintDevice;

namespace quenbrook {

// What the printer and the preview page have in common: a QPainter page measured in inches or
// centimetres. Fonts, colours, text and pictures work the same on both; the document operations
// and the outlines are left to the surface that has them.
class PainterSurface : public PageSurface
{
public:
    ~PainterSurface() override;

    void setScaleMode(PrintUnit unit) override;
    PrintUnit scaleMode() const override { return unit_; }

    // A size that is not a positive number is ignored; sizes beyond MaxFontPoints are cut to it.
    // An empty name keeps the current one.
    void setFontName(const QString& name) override;
    void setFontSize(double points) override;
    void setFontBold(bool on) override;
    void setFontItalic(bool on) override;
    void setFontStrikethrough(bool on) override;
    void setFontUnderline(bool on) override;
    // The name is the family the font system actually gives for the one asked.
    PrintFont font() const override;
    void setForeColor(PrintColor color) override;
    PrintColor foreColor() const { return foreColor_; }
    void setFontTransparent(bool on) override;
    bool fontTransparent() const { return transparent_; }

    float textWidth(const QString& text) const override;
    // The height of one line of the font, whatever the text.
    float textHeight(const QString& text) const override;

    void setCurrentX(float x) override { currentX_ = x; }
    void setCurrentY(float y) override { currentY_ = y; }
    float currentX() const override { return currentX_; }
    float currentY() const override { return currentY_; }
    // Afterwards the text position is at the start of the next line (x 0, y one line lower).
    void printText(const QString& text) override;

    void paintPicture(const Picture& picture, float x, float y, float width, float height) override;
    double pixelsPerUnit() const override;

    void clear() override {}
    void drawRectOutline(float, float, float, float, PrintColor) override {}
    void newPage() override {}
    void endDoc() override {}
    void killDoc() override {}

    QString error() const override { return error_; }

    static constexpr double MaxFontPoints = 2048;

    // A stored colour (red in the lowest byte) as a QColor; the top byte is not used.
    static QColor toQColor(PrintColor color);
    // Inches or centimetres per inch.
    static double unitsPerInch(PrintUnit unit);

protected:
    PainterSurface();

    // The device's resolution, dots per inch.
    virtual double dotsPerInchX() const = 0;
    virtual double dotsPerInchY() const = 0;
    // Text is measured on this device.
    virtual const QPaintDevice& metricsDevice() const = 0;
    // A painter on the current page, starting the document when there is none; nullptr when the
    // page cannot be drawn on (error() says why).
    virtual QPainter* pagePainter() = 0;

    // The one conversion between the unit and the device.
    double toDeviceX(double units) const;
    double toDeviceY(double units) const;
    double fromDeviceX(double pixels) const;
    double fromDeviceY(double pixels) const;
    double inchesToUnits(double inches) const { return inches * unitsPerInch(unit_); }
    QRectF toDeviceRect(double x, double y, double width, double height) const;

    // The font a newly chosen device starts with.
    void resetFont(const QFont& font) { font_ = font; }

    // Keeps the first failure until clearError().
    void setError(const QString& reason);
    void clearError() { error_.clear(); }

private:
    PrintUnit unit_ = PrintUnit::Inch;
    QFont font_;
    PrintColor foreColor_ = 0;
    bool transparent_ = true;
    float currentX_ = 0;
    float currentY_ = 0;
    QString error_;
};

} // namespace quenbrook
