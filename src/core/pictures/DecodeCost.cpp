#include "core/pictures/DecodeCost.h"

#include "core/pictures/BitmapHeader.h"
#include "core/pictures/JpegLayout.h"

#include <QtNumeric>

#include <algorithm>
#include <cstring>
#include <limits>

namespace quenbrook {
namespace {

// Headers can claim sizes whose products do not fit; those come out as the largest number.
qint64 product(qint64 a, qint64 b)
{
    qint64 result = 0;
    return qMulOverflow(a, b, &result) ? std::numeric_limits<qint64>::max() : result;
}

qint64 sum(qint64 a, qint64 b)
{
    qint64 result = 0;
    return qAddOverflow(a, b, &result) ? std::numeric_limits<qint64>::max() : result;
}

std::optional<DecodeCost> bitmapCost(ByteReader b)
{
    const std::optional<BitmapFile> file = readBitmapFile(b);
    if (!file)
        return std::nullopt;
    DecodeCost cost;
    cost.width = file->header.width;
    cost.height = file->header.height;
    return cost;
}

// The decoder draws the first picture on a canvas of the logical screen's size, or larger
// where the picture reaches beyond it.
std::optional<DecodeCost> gifCost(ByteReader b)
{
    if (!b.has(0, 13) || std::memcmp(b.data(), "GIF8", 4) != 0)
        return std::nullopt;
    DecodeCost cost;
    cost.width = b.u16(6);
    cost.height = b.u16(8);
    const auto colourTable = [](uchar flags) {
        return (flags & 0x80) ? 3 * (2 << (flags & 7)) : 0;
    };
    qint64 pos = 13 + colourTable(b.u8(10));
    while (b.has(pos, 1) && b.u8(pos) == 0x21) { // extensions before the picture
        pos += 2;
        while (b.has(pos, 1) && b.u8(pos) != 0)
            pos += 1 + b.u8(pos);
        ++pos;
    }
    if (b.has(pos, 10) && b.u8(pos) == 0x2C) {
        cost.width = std::max<qint64>(cost.width, b.u16(pos + 1) + b.u16(pos + 5));
        cost.height = std::max<qint64>(cost.height, b.u16(pos + 3) + b.u16(pos + 7));
    }
    if (cost.width == 0 || cost.height == 0)
        return std::nullopt;
    return cost;
}

// Every image an icon lists is looked at, and the largest decoded; each is a bitmap without its
// file header (twice as high as it is, for the mask) or a PNG.
std::optional<DecodeCost> iconCost(ByteReader b)
{
    if (!b.has(0, 6) || b.u16(0) != 0 || (b.u16(2) != 1 && b.u16(2) != 2))
        return std::nullopt;
    const qint64 count = b.u16(4);
    if (count == 0 || !b.has(6, 16 * count))
        return std::nullopt;
    std::optional<DecodeCost> largest;
    for (qint64 i = 0; i < count; ++i) {
        const qint64 at = b.u32(6 + 16 * i + 12);
        DecodeCost cost;
        if (b.has(at, 26) && std::memcmp(b.data() + at, "\x89PNG\r\n\x1a\n", 8) == 0) {
            // Read by the PNG decoder, then converted: two pictures at once.
            cost.width = b.be32(at + 16);
            cost.height = b.be32(at + 20);
            cost.bytesPerPixel = b.u8(at + 24) == 16 ? 16 : 8;
        } else if (const auto header = readBitmapHeader(b, at)) {
            cost.width = header->width;
            cost.height = std::max<qint64>(header->height / 2, 1);
        } else {
            continue;
        }
        if (!largest || cost.leastHeldBytes() > largest->leastHeldBytes())
            largest = cost;
    }
    return largest;
}

// Sequential JPEGs are decoded a row of MCUs at a time, the others from the coefficients of the
// whole picture (two bytes each, in blocks padded to whole MCUs).
std::optional<DecodeCost> jpegCost(ByteReader b)
{
    const JpegLayout jpeg = readJpegLayout(b);
    if (!jpeg.hasFrame())
        return std::nullopt;
    DecodeCost cost;
    cost.width = jpeg.width;
    cost.height = jpeg.height;
    cost.scalable = true;
    cost.jpegBlocks = jpeg.blocksWalked;
    constexpr qint64 BookkeepingPerMarker = 64;
    cost.metadataBytes = jpeg.keptMarkerBytes + jpeg.keptMarkers * BookkeepingPerMarker;
    constexpr qint64 BlockBytes = 64 * 2;
    for (int i = 0; i < jpeg.components.size(); ++i) {
        const auto& c = jpeg.components[i];
        const qint64 wide = (jpeg.blocksWide(i) + c.h - 1) / c.h * c.h;
        const qint64 high = jpeg.holdsWholePicture() ? (jpeg.blocksHigh(i) + c.v - 1) / c.v * c.v
                                                     : c.v * 4; // a row, with its samples
        cost.workingBytes += wide * high * BlockBytes;
    }
    return cost;
}

} // namespace

qint64 DecodeCost::heldBytes(QSize output) const
{
    qint64 w = width, h = height;
    if (scalable) {
        w = std::clamp<qint64>(output.width(), (width + 7) / 8, width);
        h = std::clamp<qint64>(output.height(), (height + 7) / 8, height);
    }
    return sum(workingBytes, product(product(w, h), bytesPerPixel));
}

std::optional<DecodeCost> decodeCost(RasterStructure structure, ByteReader file)
{
    switch (structure) {
    case RasterStructure::Bitmap:
        return bitmapCost(file);
    case RasterStructure::Gif:
        return gifCost(file);
    case RasterStructure::Jpeg:
        return jpegCost(file);
    case RasterStructure::Icon:
        return iconCost(file);
    case RasterStructure::None:
        break;
    }
    return std::nullopt;
}

} // namespace quenbrook
