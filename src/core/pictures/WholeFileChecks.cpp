#include "core/pictures/WholeFileChecks.h"

#include "core/pictures/BitmapHeader.h"
#include "core/pictures/JpegLayout.h"
#include "core/pictures/RunLengthBitmap.h"

#include <cstring>
#include <optional>

namespace quenbrook {
namespace {

// A GIF is whole enough when its first picture's data blocks are all there.
bool gifIsWhole(ByteReader b)
{
    const qint64 n = b.size();
    if (n < 13 || std::memcmp(b.data(), "GIF8", 4) != 0)
        return false;
    auto colourTable = [](uchar flags) { return (flags & 0x80) ? 3 * (2 << (flags & 7)) : 0; };
    qint64 pos = 13 + colourTable(b.u8(10));
    auto skipBlocks = [&] {
        while (pos < n) {
            const uchar length = b.u8(pos++);
            if (length == 0)
                return true;
            pos += length;
        }
        return false;
    };
    while (pos < n) {
        const uchar introducer = b.u8(pos);
        if (introducer == 0x21) { // extension
            pos += 2;
            if (!skipBlocks())
                return false;
        } else if (introducer == 0x2C) { // picture
            if (n - pos < 11)
                return false;
            pos += 10 + colourTable(b.u8(pos + 9)) + 1; // descriptor, colours, LZW code size
            return skipBlocks();
        } else {
            return false; // trailer or garbage before any picture
        }
    }
    return false;
}

// A bitmap is whole when its pixel rows are all there (or, run-length coded, all its lines).
bool bitmapIsWhole(ByteReader b)
{
    const std::optional<BitmapFile> file = readBitmapFile(b);
    if (!file || file->pixelsAt >= b.size())
        return false;
    switch (file->header.compression) {
    case BitmapHeader::Plain:
    case BitmapHeader::BitFields:
    case BitmapHeader::AlphaBitFields:
        return file->header.rowsFitIn(b.size() - file->pixelsAt);
    case BitmapHeader::RunLength8:
    case BitmapHeader::RunLength4:
        return runLengthIsWhole(b, *file);
    default:
        return true; // left to Qt, which reads only the kinds above
    }
}

// An icon or cursor is whole when every picture its directory lists lies within the file.
bool iconIsWhole(ByteReader b)
{
    if (b.size() < 6 || b.u16(0) != 0 || (b.u16(2) != 1 && b.u16(2) != 2))
        return false;
    const qint64 count = b.u16(4);
    if (count == 0 || 6 + 16 * count > b.size())
        return false;
    for (qint64 i = 0; i < count; ++i) {
        const qint64 entry = 6 + 16 * i;
        const qint64 size = b.u32(entry + 8);
        const qint64 offset = b.u32(entry + 12);
        if (size == 0 || offset + size > b.size())
            return false;
    }
    return true;
}

} // namespace

bool isWhole(RasterStructure structure, ByteReader bytes)
{
    switch (structure) {
    case RasterStructure::Bitmap:
        return bitmapIsWhole(bytes);
    case RasterStructure::Gif:
        return gifIsWhole(bytes);
    case RasterStructure::Jpeg:
        return readJpegLayout(bytes).whole; // picture data followed by the end-of-image marker
    case RasterStructure::Icon:
        return iconIsWhole(bytes);
    case RasterStructure::None:
        break;
    }
    return true;
}

} // namespace quenbrook
