// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/album/PainterSurface.h"

#include <QImage>
#include <QPainter>

namespace quenbrook {

// The preview's page: a white off-screen image at the screen's resolution that keeps its drawing
// until it is cleared; the preview window shows image(). Its size is the paper times the zoom
// factor. New page, end and abandon do nothing here. Device units are logical pixels at the
// screen's logical resolution; the image holds pixelRatio pixels for each of them, so text and
// pictures stay sharp on a high-density screen.
class PreviewSurface final : public PainterSurface
{
public:
    // The primary screen's logical resolution, 96 when there is no screen.
    static double screenDotsPerInch();
    // The highest device pixel ratio of the screens, 1 when there is no screen.
    static double screenPixelRatio();

    explicit PreviewSurface(double dotsPerInch = screenDotsPerInch(),
                            double pixelRatio = screenPixelRatio());
    ~PreviewSurface() override;

    // Sizes the page for paper of that size, in the unit, shown at zoom; the page is white
    // afterwards. A size that is not a positive number gives an empty page.
    void resize(float paperWidth, float paperHeight, float zoom, PrintUnit unit);
    const QImage& image() const { return image_; }
    // The page in logical pixels.
    QSize size() const { return size_; }

    double dotsPerInch() const override { return dotsPerInch_; }
    QSizeF drawableInches() const override { return QSizeF(widthInches_, heightInches_); }
    // The page's own size.
    float paperWidthTwips() const override;
    float paperHeightTwips() const override;
    // Image pixels: pictures are decoded for the image, not for the logical page.
    double pixelsPerInch() const override;

    void clear() override;
    void newPage() override {}
    void endDoc(const LoadStop*) override {}
    void killDoc() override {}

    // Longest side of the page image, in image pixels.
    static constexpr int MaxSide = 16384;

protected:
    const QPaintDevice& metricsDevice() const override { return image_; }
    QPainter* pagePainter() override;

private:
    void makeImage(int width, int height);
    void endPainting();

    double dotsPerInch_;
    double pixelRatio_;
    double widthInches_ = 0;
    double heightInches_ = 0;
    QSize size_;
    QImage image_;
    QPainter painter_;
};

} // namespace quenbrook
