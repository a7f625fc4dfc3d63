// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/pictures/Picture.h"

#include <QPainter>
#include <QSvgRenderer>

namespace quenbrook {

Picture::Picture() = default;
Picture::~Picture() = default;
Picture::Picture(Picture&&) noexcept = default;
Picture& Picture::operator=(Picture&&) noexcept = default;

Picture Picture::fromImage(QImage image, QSize naturalHimetric)
{
    Picture p;
    p.image_ = std::move(image);
    p.naturalHimetric_ = naturalHimetric;
    return p;
}

Picture Picture::fromSvg(std::unique_ptr<QSvgRenderer> svg, QSize naturalHimetric)
{
    Picture p;
    p.svg_ = std::move(svg);
    p.naturalHimetric_ = naturalHimetric;
    return p;
}

bool Picture::isNull() const
{
    return image_.isNull() && !svg_;
}

bool Picture::isVector() const
{
    return svg_ != nullptr;
}

void Picture::paint(QPainter& painter, const QRectF& target) const
{
    if (isNull() || target.isEmpty())
        return;
    painter.save();
    if (svg_) {
        // Drawn as vectors at whatever size the target is; ink outside the frame stays out.
        painter.setClipRect(target, Qt::IntersectClip);
        svg_->render(&painter, target);
    } else {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, image_);
    }
    painter.restore();
}

void Picture::paintRows(QPainter& painter, const QRectF& target, int rows) const
{
    if (svg_ || rows >= image_.height()) {
        paint(painter, target);
        return;
    }
    if (image_.isNull() || rows <= 0 || target.isEmpty())
        return;
    const QRectF top(target.topLeft(),
                     QSizeF(target.width(), target.height() * rows / image_.height()));
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // A view of those rows alone, so that smoothing never reads the ones being written.
    const QImage done(image_.constBits(), image_.width(), rows, image_.bytesPerLine(),
                      image_.format());
    painter.drawImage(top, done);
    painter.restore();
}

} // namespace quenbrook
