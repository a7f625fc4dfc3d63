#include "core/pictures/WholeFileChecks.h"

#include "core/pictures/BitmapHeader.h"

#include <QFile>

#include <cstring>
#include <optional>

namespace quenbrook {
namespace {

// A JPEG is whole when its picture data is followed by the end-of-image marker.
bool jpegIsWhole(ByteReader b)
{
    const qint64 n = b.size();
    if (n < 4 || b.u8(0) != 0xFF || b.u8(1) != 0xD8)
        return false;
    qint64 pos = 2;
    while (pos < n) {
        if (b.u8(pos) != 0xFF)
            return false;
        while (pos < n && b.u8(pos) == 0xFF)
            ++pos;
        if (pos >= n)
            return false;
        const uchar marker = b.u8(pos++);
        if (marker == 0xD9)
            return false; // ends before any picture data
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7))
            continue;
        if (n - pos < 2)
            return false;
        const qint64 length = b.be16(pos);
        if (length < 2 || length > n - pos)
            return false;
        pos += length;
        if (marker == 0xDA) {
            // In the coded data an FF is always followed by 00 or a restart marker, so the
            // first FF D9 from here on is the end (later scans of a progressive JPEG included).
            while (pos + 1 < n) {
                const void* ff = std::memchr(b.data() + pos, 0xFF, size_t(n - pos - 1));
                if (!ff)
                    return false;
                pos = static_cast<const uchar*>(ff) - b.data();
                if (b.u8(pos + 1) == 0xD9)
                    return true;
                ++pos;
            }
            return false;
        }
    }
    return false;
}

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
    const BitmapHeader& h = file->header;
    switch (h.compression) {
    case BitmapHeader::Plain:
    case BitmapHeader::BitFields:
    case BitmapHeader::AlphaBitFields:
        return file->pixelsAt + h.rowBytes() * h.height <= b.size();
    case BitmapHeader::RunLength8:
    case BitmapHeader::RunLength4: {
        qint64 pos = file->pixelsAt;
        qint64 lines = 0;
        while (b.size() - pos >= 2) {
            const uchar count = b.u8(pos);
            const uchar code = b.u8(pos + 1);
            pos += 2;
            if (count > 0)
                continue; // a run
            if (code == 0) {
                ++lines;
            } else if (code == 1) {
                return true;
            } else if (code == 2) { // move
                if (b.size() - pos < 2)
                    return false;
                lines += b.u8(pos + 1);
                pos += 2;
            } else { // pixels as they are, padded to a word
                const qint64 bytes =
                    h.compression == BitmapHeader::RunLength8 ? code : (code + 1) / 2;
                pos += (bytes + 1) & ~qint64(1);
            }
        }
        return lines >= h.height; // every line ended, only the closing mark missing
    }
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

bool isWhole(PictureFormat kind, ByteReader bytes)
{
    switch (kind) {
    case PictureFormat::Bitmap:
    case PictureFormat::RunLengthBitmap:
        return bitmapIsWhole(bytes);
    case PictureFormat::Gif:
        return gifIsWhole(bytes);
    case PictureFormat::Jpeg:
        return jpegIsWhole(bytes);
    case PictureFormat::Icon:
    case PictureFormat::Cursor:
        return iconIsWhole(bytes);
    case PictureFormat::WindowsMetafile:
    case PictureFormat::EnhancedMetafile:
        break;
    }
    return true;
}

bool fileIsWhole(const QString& path, PictureFormat kind, qint64 size)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    if (const uchar* mapped = file.map(0, size)) {
        const bool whole = isWhole(kind, {mapped, size});
        file.unmap(const_cast<uchar*>(mapped));
        return whole;
    }
    return isWhole(kind, ByteReader(file.readAll()));
}

} // namespace quenbrook
