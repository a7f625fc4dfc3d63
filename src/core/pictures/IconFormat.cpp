// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/pictures/BitmapHeader.h"
#include "core/pictures/RasterFormats.h"

#include <algorithm>
#include <cstring>

namespace quenbrook {

// Every image an icon or cursor lists is looked at, and the largest decoded (the first of equals);
// each is a bitmap without its file header (twice as high as it is, for the mask) or a PNG. The
// file is whole when every image its directory lists lies within it.
std::optional<RasterFacts> inspectIcon(ByteReader b)
{
    if (!b.has(0, 6) || b.u16(0) != 0 || (b.u16(2) != 1 && b.u16(2) != 2))
        return std::nullopt;
    const qint64 count = b.u16(4);
    if (count == 0 || !b.has(6, 16 * count))
        return std::nullopt;
    std::optional<RasterFacts> largest;
    bool whole = true;
    for (qint64 i = 0; i < count; ++i) {
        const qint64 entry = 6 + 16 * i;
        const qint64 size = b.u32(entry + 8);
        const qint64 at = b.u32(entry + 12);
        whole = whole && size > 0 && b.has(at, size);
        RasterFacts facts;
        facts.image = int(i);
        DecodeCost& cost = facts.cost;
        if (b.has(at, 26) && std::memcmp(b.data() + at, "\x89PNG\r\n\x1a\n", 8) == 0) {
            facts.pngAt = at;
            facts.pngBytes = std::min(size, b.size() - at);
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
        if (!largest || cost.pixels() > largest->cost.pixels())
            largest = facts;
    }
    if (largest)
        largest->whole = whole;
    return largest;
}

} // namespace quenbrook
