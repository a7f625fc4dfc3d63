// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/pictures/RasterFormats.h"

namespace quenbrook {
namespace {

// Numbers in the byte order the file's first two bytes say.
struct TiffReader
{
    ByteReader b;
    bool big; // "MM"
    quint16 u16(qint64 at) const { return big ? b.be16(at) : b.u16(at); }
    quint32 u32(qint64 at) const { return big ? b.be32(at) : b.u32(at); }
};

enum Tag : quint16
{
    ImageWidth = 256,
    ImageLength = 257,
    BitsPerSample = 258,
    StripOffsets = 273,
    SamplesPerPixel = 277,
    StripByteCounts = 279,
    TileOffsets = 324,
    TileByteCounts = 325,
};

enum FieldType : quint16
{
    Short = 3,
    Long = 4,
};

// One directory entry: its values, SHORT or LONG, held in the entry or where it points.
struct Entry
{
    quint16 type = 0;
    qint64 count = 0;
    qint64 at = 0; // where the values are

    bool readable(const TiffReader& t) const
    {
        const qint64 size = type == Short ? 2 : type == Long ? 4 : 0;
        return size > 0 && count >= 1 && count <= t.b.size() / size && t.b.has(at, count * size);
    }
    qint64 value(const TiffReader& t, qint64 i) const
    {
        return type == Short ? t.u16(at + 2 * i) : t.u32(at + 4 * i);
    }
};

} // namespace

// The first directory's picture is the one decoded. The file is whole when each of its strips or
// tiles lies within it.
std::optional<RasterFacts> inspectTiff(ByteReader b)
{
    if (!b.has(0, 8))
        return std::nullopt;
    const bool little = b.u8(0) == 'I' && b.u8(1) == 'I';
    const bool big = b.u8(0) == 'M' && b.u8(1) == 'M';
    TiffReader t{b, big};
    if ((!little && !big) || t.u16(2) != 42)
        return std::nullopt;
    const qint64 directory = t.u32(4);
    if (!b.has(directory, 2))
        return std::nullopt;
    const int entries = t.u16(directory);
    if (!b.has(directory + 2, qint64(entries) * 12))
        return std::nullopt;
    Entry width, height, bits, offsets, counts;
    for (int i = 0; i < entries; ++i) {
        const qint64 at = directory + 2 + 12 * i;
        Entry e{t.u16(at + 2), t.u32(at + 4), at + 8};
        const qint64 bytes = e.count * (e.type == Short ? 2 : 4);
        if (bytes > 4)
            e.at = t.u32(at + 8);
        switch (t.u16(at)) {
        case ImageWidth:
            width = e;
            break;
        case ImageLength:
            height = e;
            break;
        case BitsPerSample:
            bits = e;
            break;
        case StripOffsets:
        case TileOffsets:
            offsets = e;
            break;
        case StripByteCounts:
        case TileByteCounts:
            counts = e;
            break;
        default:
            break;
        }
    }
    if (!width.readable(t) || !height.readable(t))
        return std::nullopt;
    RasterFacts facts;
    facts.cost.width = width.value(t, 0);
    facts.cost.height = height.value(t, 0);
    if (facts.cost.width == 0 || facts.cost.height == 0)
        return std::nullopt;
    if (bits.readable(t) && bits.value(t, 0) > 8)
        facts.cost.bytesPerPixel = 8;
    facts.whole = offsets.readable(t) && counts.readable(t) && offsets.count == counts.count;
    for (qint64 i = 0; facts.whole && i < offsets.count; ++i)
        facts.whole = b.has(offsets.value(t, i), counts.value(t, i));
    return facts;
}

} // namespace quenbrook
