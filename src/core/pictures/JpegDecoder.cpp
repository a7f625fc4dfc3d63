// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/pictures/JpegDecoder.h"

#include <QColorTransform>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <optional>

#include <jerror.h>
#include <jpeglib.h>

namespace quenbrook {
namespace {

// Rows decoded between looks at the stop.
constexpr JDIMENSION RowsAtATime = 16;

struct Errors
{
    jpeg_error_mgr manager;
    std::jmp_buf failed;
    bool cutShort = false;
};

extern "C" void giveUp(j_common_ptr decoder)
{
    std::longjmp(reinterpret_cast<Errors*>(decoder->err)->failed, 1);
}

// Warnings go nowhere; data that ends before the picture does is noted.
extern "C" void noteWarning(j_common_ptr decoder, int level)
{
    auto* errors = reinterpret_cast<Errors*>(decoder->err);
    if (level < 0 && errors->manager.msg_code == JWRN_JPEG_EOF)
        errors->cutShort = true;
}

// Everything the decoding changes lives here, outside the function that may jump back.
struct Decoding
{
    jpeg_decompress_struct decoder{};
    Errors errors{};
    QImage image;
    QColorTransform transform;
    bool convertAfter = false;
    bool stopped = false;
};

// The eighths the decoder scales by: the least that still gives `wanted` each way.
unsigned scaleEighths(const jpeg_decompress_struct& d, QSize wanted)
{
    const auto eighths = [](qint64 want, qint64 have) {
        return unsigned(std::clamp<qint64>((8 * want + have - 1) / have, 1, 8));
    };
    return std::max(eighths(wanted.width(), d.image_width),
                    eighths(wanted.height(), d.image_height));
}

// Rows in place, turned into sRGB.
void toSrgb(uchar* first, int width, int rows, qsizetype bytesPerLine,
            const QColorTransform& transform)
{
    QImage band(first, width, rows, bytesPerLine, QImage::Format_RGB32);
    band.applyColorTransform(transform);
}

bool run(Decoding& s, QByteArrayView bytes, QSize wanted, const LoadStop* stop,
         const QColorSpace& space, const JpegRowsDone& rowsDone)
{
    if (setjmp(s.errors.failed))
        return false;
    jpeg_create_decompress(&s.decoder);
    jpeg_mem_src(&s.decoder, reinterpret_cast<const unsigned char*>(bytes.data()),
                 static_cast<unsigned long>(bytes.size()));
    if (jpeg_read_header(&s.decoder, TRUE) != JPEG_HEADER_OK ||
        !decodesJpeg(s.decoder.num_components))
        return false;
    const bool grey = s.decoder.num_components == 1;
    s.decoder.out_color_space = grey ? JCS_GRAYSCALE : JCS_EXT_BGRX;
    s.decoder.dct_method = JDCT_ISLOW;
    s.decoder.scale_num = wanted.isValid() ? scaleEighths(s.decoder, wanted) : 8;
    s.decoder.scale_denom = 8;
    jpeg_start_decompress(&s.decoder);
    const QSize decoded(int(s.decoder.output_width), int(s.decoder.output_height));
    s.image = QImage(decoded, grey ? QImage::Format_Grayscale8 : QImage::Format_RGB32);
    if (s.image.isNull())
        return false;
    // Rows that are final as they are decoded are converted band by band, so that what is
    // handed out while the rest decodes is already right; others once they are scaled.
    const bool converts = !grey && space.isValid() && space != QColorSpace::SRgb;
    const bool finalRows = !wanted.isValid() || wanted == decoded;
    if (converts) {
        s.transform = space.transformationToColorSpace(QColorSpace::SRgb);
        s.image.setColorSpace(QColorSpace::SRgb);
        s.convertAfter = !finalRows;
    } else if (space.isValid()) {
        s.image.setColorSpace(space);
    }
    // Written through these from here on: the image may be shared with whoever hears of its rows.
    uchar* const bits = s.image.bits();
    const qsizetype bytesPerLine = s.image.bytesPerLine();
    while (s.decoder.output_scanline < s.decoder.output_height) {
        if (stopRaised(stop)) {
            s.stopped = true;
            return false;
        }
        JSAMPROW rows[RowsAtATime];
        const JDIMENSION first = s.decoder.output_scanline;
        const JDIMENSION count = std::min(RowsAtATime, s.decoder.output_height - first);
        for (JDIMENSION i = 0; i < count; ++i)
            rows[i] = bits + qsizetype(first + i) * bytesPerLine;
        const JDIMENSION done = first + jpeg_read_scanlines(&s.decoder, rows, count);
        if (converts && finalRows)
            toSrgb(rows[0], decoded.width(), int(done - first), bytesPerLine, s.transform);
        if (rowsDone && finalRows)
            rowsDone(s.image, int(done));
    }
    // What follows the last row is not read: a sequential picture is complete here, and the
    // data ran out before it if the decoder had to make up an end.
    return !s.errors.cutShort;
}

} // namespace

bool decodesJpeg(int components)
{
    return components == 1 || components == 3;
}

QImage decodeJpeg(QByteArrayView bytes, QSize wanted, const LoadStop* stop,
                  const QColorSpace& space, const JpegRowsDone& rowsDone)
{
    Decoding s;
    s.decoder.err = jpeg_std_error(&s.errors.manager);
    s.errors.manager.error_exit = giveUp;
    s.errors.manager.emit_message = noteWarning;
    const bool done = run(s, bytes, wanted, stop, space, rowsDone);
    jpeg_destroy_decompress(&s.decoder);
    if (!done || s.stopped)
        return {};
    if (wanted.isValid() && s.image.size() != wanted)
        s.image = s.image.scaled(wanted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (s.convertAfter)
        s.image.applyColorTransform(s.transform);
    return std::move(s.image);
}

} // namespace quenbrook
