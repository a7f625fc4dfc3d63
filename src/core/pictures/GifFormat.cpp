// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/pictures/RasterFormats.h"

#include <algorithm>
#include <cstring>

namespace quenbrook {
namespace {

qint64 colourTableBytes(uchar flags)
{
    return (flags & 0x80) ? 3 * (2 << (flags & 7)) : 0;
}

} // namespace

// The decoder draws the first picture on a canvas of the logical screen's size, or larger where
// the picture reaches beyond it. The file is whole enough when that picture's data blocks are all
// there.
std::optional<RasterFacts> inspectGif(ByteReader b)
{
    const qint64 n = b.size();
    if (n < 13 || std::memcmp(b.data(), "GIF8", 4) != 0)
        return std::nullopt;
    RasterFacts facts;
    facts.cost.width = b.u16(6);
    facts.cost.height = b.u16(8);
    qint64 pos = 13 + colourTableBytes(b.u8(10));
    // Past a run of data blocks and its terminator; false when the file ends first.
    const auto skipBlocks = [&] {
        while (pos < n) {
            const uchar length = b.u8(pos++);
            if (length == 0)
                return true;
            pos += length;
        }
        return false;
    };
    while (pos < n && b.u8(pos) == 0x21) { // extensions before the picture
        pos += 2;
        if (!skipBlocks())
            break;
    }
    if (b.has(pos, 11) && b.u8(pos) == 0x2C) {
        facts.cost.width = std::max<qint64>(facts.cost.width, b.u16(pos + 1) + b.u16(pos + 5));
        facts.cost.height = std::max<qint64>(facts.cost.height, b.u16(pos + 3) + b.u16(pos + 7));
        pos += 10 + colourTableBytes(b.u8(pos + 9)) + 1; // descriptor, colours, LZW code size
        facts.whole = skipBlocks();
    }
    if (facts.cost.width == 0 || facts.cost.height == 0)
        return std::nullopt;
    return facts;
}

} // namespace quenbrook
