// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/pictures/RunLengthBitmap.h"

#include <algorithm>
#include <array>
#include <climits>

namespace quenbrook {
namespace {

using Colours = std::array<QRgb, 256>;

// Walks the codes, drawing the pixels they give into image when there is one. False when the
// codes stop before the last line has ended and there is no end-of-bitmap mark.
bool walk(ByteReader b, const BitmapFile& file, QImage* image, const Colours& colours)
{
    const BitmapHeader& h = file.header;
    const bool eight = h.compression == BitmapHeader::RunLength8;
    qint64 pos = file.pixelsAt;
    qint64 x = 0, y = 0; // y counts lines in the order they are stored

    // Sets count pixels from x on, index(i) giving the palette entry of the i-th.
    const auto put = [&](qint64 count, auto index) {
        if (image && y < h.height && x < h.width) {
            const int row = int(h.topDown ? y : h.height - 1 - y);
            auto* line = reinterpret_cast<QRgb*>(image->scanLine(row)) + x;
            const qint64 visible = std::min(count, h.width - x);
            for (qint64 i = 0; i < visible; ++i)
                line[i] = colours[index(i)];
        }
        x += count;
    };

    while (y < h.height) {
        if (!b.has(pos, 2))
            return false;
        const uchar count = b.u8(pos);
        const uchar code = b.u8(pos + 1);
        pos += 2;
        if (count > 0) { // a run of one index, or in RLE4 two alternating
            if (eight)
                put(count, [code](qint64) { return code; });
            else
                put(count, [code](qint64 i) { return i % 2 ? code & 15 : code >> 4; });
        } else if (code == 0) { // end of line
            x = 0;
            ++y;
        } else if (code == 1) { // end of bitmap
            return true;
        } else if (code == 2) { // move right and up
            if (!b.has(pos, 2))
                return false;
            x += b.u8(pos);
            y += b.u8(pos + 1);
            pos += 2;
        } else { // indices as they are, padded to a word
            const qint64 bytes = eight ? code : (code + 1) / 2;
            if (!b.has(pos, bytes))
                return false;
            const qint64 at = pos;
            if (eight)
                put(code, [&](qint64 i) { return b.u8(at + i); });
            else
                put(code, [&](qint64 i) {
                    const uchar two = b.u8(at + i / 2);
                    return i % 2 ? two & 15 : two >> 4;
                });
            pos += (bytes + 1) & ~qint64(1);
        }
    }
    return true;
}

// The palette, opaque; entries the file does not give are black.
bool readColours(ByteReader b, const BitmapHeader& h, Colours& colours)
{
    const qint64 count = h.colours == 0 ? qint64(1) << h.bits : h.colours;
    if (count > (qint64(1) << h.bits))
        return false;
    const qint64 at = 14 + h.headerBytes;
    if (!b.has(at, 4 * count))
        return false;
    colours.fill(qRgb(0, 0, 0));
    for (qint64 i = 0; i < count; ++i)
        colours[i] = qRgb(b.u8(at + 4 * i + 2), b.u8(at + 4 * i + 1), b.u8(at + 4 * i));
    return true;
}

bool depthMatches(const BitmapHeader& h)
{
    return (h.compression == BitmapHeader::RunLength8 && h.bits == 8) ||
           (h.compression == BitmapHeader::RunLength4 && h.bits == 4);
}

} // namespace

bool runLengthIsWhole(ByteReader file, const BitmapFile& bitmap)
{
    return depthMatches(bitmap.header) && walk(file, bitmap, nullptr, Colours{});
}

QImage decodeRunLength(ByteReader file, const BitmapFile& bitmap)
{
    const BitmapHeader& h = bitmap.header;
    Colours colours;
    if (!depthMatches(h) || h.width > INT_MAX || h.height > INT_MAX ||
        !readColours(file, h, colours))
        return {};
    QImage image(int(h.width), int(h.height), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return {};
    image.fill(Qt::transparent);
    if (!walk(file, bitmap, &image, colours))
        return {};
    return image;
}

} // namespace quenbrook
