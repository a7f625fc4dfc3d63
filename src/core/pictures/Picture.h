// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>

#include <memory>
#include <variant>

class QPainter;
class QSvgRenderer;

namespace quenbrook {

// A loaded picture: a raster image or a vector drawing made from a metafile.
// It knows its natural size in HIMETRIC (0.01 mm) and paints itself stretched into any rectangle.
class Picture
{
public:
    Picture();
    ~Picture();
    Picture(Picture&&) noexcept;
    Picture& operator=(Picture&&) noexcept;
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    static Picture fromImage(QImage image, QSize naturalHimetric);
    static Picture fromSvg(std::unique_ptr<QSvgRenderer> svg, QSize naturalHimetric);

    bool isNull() const;
    bool isVector() const;
    // Natural size, with any EXIF orientation applied.
    int widthHimetric() const { return naturalHimetric_.width(); }
    int heightHimetric() const { return naturalHimetric_.height(); }
    QSize naturalHimetric() const { return naturalHimetric_; }
    // Pixels actually held (raster only); smaller than natural when decoded for a target size.
    QSize decodedPixelSize() const { return image_.size(); }

    void paint(QPainter& painter, const QRectF& target) const;
    // Only the first `rows` rows of a raster, where they are when the whole is painted into
    // `target`: the top of a picture still being decoded.
    void paintRows(QPainter& painter, const QRectF& target, int rows) const;

private:
    QImage image_;
    std::unique_ptr<QSvgRenderer> svg_;
    QSize naturalHimetric_;
};

} // namespace quenbrook
