// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/common/PicturePixels.h"

#include "core/pictures/DecodeLimits.h"

#include <QPainter>

#include <cmath>

namespace quenbrook {

QSize WithinDecodeLimit(QSize pixels)
{
    constexpr qint64 BytesPerPixel = 4;
    const qint64 bytes = qint64(pixels.width()) * pixels.height() * BytesPerPixel;
    if (pixels.isEmpty() || bytes <= MaxDecodedBytes)
        return pixels;
    const double shrink = std::sqrt(double(MaxDecodedBytes) / double(bytes));
    return QSize(std::max(1, int(pixels.width() * shrink)),
                 std::max(1, int(pixels.height() * shrink)));
}

Picture InPixels(Picture picture, QSize pixels)
{
    if (!picture.isVector())
        return picture;
    const QSize size = WithinDecodeLimit(pixels);
    QImage image(size.isEmpty() ? QSize(1, 1) : size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (!size.isEmpty()) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        picture.paint(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    }
    return Picture::fromImage(std::move(image), picture.naturalHimetric());
}

} // namespace quenbrook
