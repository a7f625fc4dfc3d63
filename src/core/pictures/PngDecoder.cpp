// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/pictures/PngDecoder.h"

#include <png.h>

namespace quenbrook {
namespace {

// Frees what libpng holds for the picture on every way out.
class PngReading
{
public:
    PngReading() { image_.version = PNG_IMAGE_VERSION; }
    ~PngReading() { png_image_free(&image_); }
    PngReading(const PngReading&) = delete;
    PngReading& operator=(const PngReading&) = delete;
    png_image* get() { return &image_; }

private:
    png_image image_{};
};

} // namespace

QImage decodePng(QByteArrayView bytes, qint64 maxPixels)
{
    PngReading reading;
    png_image* png = reading.get();
    if (!png_image_begin_read_from_memory(png, bytes.data(), size_t(bytes.size())))
        return {};
    if (png->width == 0 || png->height == 0 || qint64(png->width) * png->height > maxPixels)
        return {};
    // Blue, green, red, alpha in memory: Qt's ARGB32 on this byte order.
    png->format = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? PNG_FORMAT_BGRA : PNG_FORMAT_ARGB;
    QImage image(int(png->width), int(png->height), QImage::Format_ARGB32);
    if (image.isNull())
        return {};
    if (!png_image_finish_read(png, nullptr, image.bits(), png_int_32(image.bytesPerLine()),
                               nullptr))
        return {};
    return image;
}

} // namespace quenbrook
