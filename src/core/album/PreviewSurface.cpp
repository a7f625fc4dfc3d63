// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/album/PreviewSurface.h"

#include "core/program/Units.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace quenbrook {
namespace {

constexpr double InchesPerMetre = 1 / 0.0254;

// Pixels for a length in inches; 0 for anything that is not a positive number.
double pixelsFor(double inches, double dotsPerInch)
{
    const double pixels = std::round(inches * dotsPerInch);
    return std::isfinite(pixels) && pixels > 0 ? pixels : 0;
}

} // namespace

double PreviewSurface::screenDotsPerInch()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInch() : 96;
}

double PreviewSurface::screenPixelRatio()
{
    return QGuiApplication::primaryScreen() ? qGuiApp->devicePixelRatio() : 1;
}

PreviewSurface::PreviewSurface(double dotsPerInch, double pixelRatio)
    : dotsPerInch_(std::isfinite(dotsPerInch) && dotsPerInch > 0 ? dotsPerInch : 96)
    , pixelRatio_(std::isfinite(pixelRatio) && pixelRatio >= 1 ? pixelRatio : 1)
{
    makeImage(1, 1);
}

PreviewSurface::~PreviewSurface()
{
    endPainting();
}

void PreviewSurface::endPainting()
{
    if (painter_.isActive())
        painter_.end();
}

void PreviewSurface::makeImage(int width, int height)
{
    endPainting();
    size_ = QSize(width, height);
    image_ =
        QImage(qRound(width * pixelRatio_), qRound(height * pixelRatio_), QImage::Format_RGB32);
    if (image_.isNull()) {
        setError(QCoreApplication::translate("PreviewSurface",
                                             "There is not enough memory to show the page."));
        size_ = QSize(1, 1);
        image_ = QImage(1, 1, QImage::Format_RGB32);
    } else {
        // The painter draws in logical pixels.
        image_.setDevicePixelRatio(pixelRatio_);
    }
    // Text is measured on the image: it must know the screen's resolution.
    const int dotsPerMetre = qRound(dotsPerInch_ * InchesPerMetre);
    image_.setDotsPerMeterX(dotsPerMetre);
    image_.setDotsPerMeterY(dotsPerMetre);
    image_.fill(Qt::white);
}

void PreviewSurface::resize(float paperWidth, float paperHeight, float zoom, PrintUnit unit)
{
    clearError();
    const double perInch = UnitsPerInch(unit);
    widthInches_ = double(paperWidth) * double(zoom) / perInch;
    heightInches_ = double(paperHeight) * double(zoom) / perInch;
    if (!(widthInches_ > 0) || !std::isfinite(widthInches_))
        widthInches_ = 0;
    if (!(heightInches_ > 0) || !std::isfinite(heightInches_))
        heightInches_ = 0;

    const double width = pixelsFor(widthInches_, dotsPerInch_);
    const double height = pixelsFor(heightInches_, dotsPerInch_);
    if (width * pixelRatio_ > MaxSide || height * pixelRatio_ > MaxSide) {
        setError(QCoreApplication::translate("PreviewSurface", "The page is too large to show."));
        makeImage(1, 1);
        return;
    }
    makeImage(std::max(1, int(width)), std::max(1, int(height)));
}

double PreviewSurface::pixelsPerInch() const
{
    return dotsPerInch_ * image_.devicePixelRatio();
}

float PreviewSurface::paperWidthTwips() const
{
    return static_cast<float>(widthInches_ * TwipsPerInch);
}

float PreviewSurface::paperHeightTwips() const
{
    return static_cast<float>(heightInches_ * TwipsPerInch);
}

QPainter* PreviewSurface::pagePainter()
{
    if (!painter_.isActive() && !painter_.begin(&image_))
        return nullptr;
    return &painter_;
}

void PreviewSurface::clear()
{
    endPainting();
    image_.fill(Qt::white);
}

} // namespace quenbrook
