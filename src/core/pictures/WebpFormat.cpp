// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/pictures/RasterFormats.h"

#include <cstring>

namespace quenbrook {
namespace {

quint32 u24(ByteReader b, qint64 at)
{
    return b.u16(at) | quint32(b.u8(at + 2)) << 16;
}

bool isChunk(ByteReader b, qint64 at, const char* type)
{
    return std::memcmp(b.data() + at, type, 4) == 0;
}

} // namespace

// The size is the extended header's canvas, else the one picture's. The file is whole when it
// holds as many bytes as its RIFF header says and every chunk lies within them.
std::optional<RasterFacts> inspectWebp(ByteReader b)
{
    if (!b.has(0, 20) || !isChunk(b, 0, "RIFF") || !isChunk(b, 8, "WEBP"))
        return std::nullopt;
    const qint64 end = qint64(b.u32(4)) + 8;
    RasterFacts facts;
    bool sized = false;
    bool chunksWhole = true;
    qint64 pos = 12;
    while (pos < end && chunksWhole) {
        if (!b.has(pos, 8)) {
            chunksWhole = false;
            break;
        }
        const qint64 length = b.u32(pos + 4);
        const qint64 data = pos + 8;
        chunksWhole = b.has(data, length) && data + length <= end;
        if (!sized && isChunk(b, pos, "VP8X") && b.has(data, 10)) {
            facts.cost.width = u24(b, data + 4) + 1;
            facts.cost.height = u24(b, data + 7) + 1;
            sized = true;
        } else if (!sized && isChunk(b, pos, "VP8 ") && b.has(data, 10) && b.u8(data + 3) == 0x9D &&
                   b.u8(data + 4) == 0x01 && b.u8(data + 5) == 0x2A) {
            facts.cost.width = b.u16(data + 6) & 0x3FFF;
            facts.cost.height = b.u16(data + 8) & 0x3FFF;
            sized = true;
        } else if (!sized && isChunk(b, pos, "VP8L") && b.has(data, 5) && b.u8(data) == 0x2F) {
            const quint32 bits = b.u32(data + 1);
            facts.cost.width = (bits & 0x3FFF) + 1;
            facts.cost.height = ((bits >> 14) & 0x3FFF) + 1;
            sized = true;
        }
        pos = data + length + (length & 1); // chunks are padded to an even length
    }
    if (!sized || facts.cost.width == 0 || facts.cost.height == 0)
        return std::nullopt;
    facts.whole = chunksWhole && end <= b.size();
    return facts;
}

} // namespace quenbrook
