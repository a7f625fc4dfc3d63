// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/pictures/HeifImage.h"
#include "core/pictures/RasterFormats.h"

#include <cstring>

namespace quenbrook {
namespace {

// Whether the top-level boxes each lie within the file, the type box first.
bool boxesWhole(ByteReader b)
{
    qint64 pos = 0;
    bool first = true;
    while (pos < b.size()) {
        if (!b.has(pos, 8))
            return false;
        qint64 size = b.be32(pos);
        if (first && std::memcmp(b.data() + pos + 4, "ftyp", 4) != 0)
            return false;
        first = false;
        if (size == 1) { // a 64-bit size follows the type
            if (!b.has(pos, 16))
                return false;
            size = qint64(b.be32(pos + 8)) << 32 | b.be32(pos + 12);
            if (size < 16)
                return false;
        } else if (size == 0) { // up to the end of the file
            return true;
        } else if (size < 8) {
            return false;
        }
        if (!b.has(pos, size))
            return false;
        pos += size;
    }
    return !first;
}

} // namespace

// The primary picture's size as its headers give it, read with libheif's own reading of the
// boxes, which decodes nothing. The file is whole when its boxes all lie within it; the picture
// data is decoded from those boxes only.
std::optional<RasterFacts> inspectHeif(ByteReader b)
{
    if (!b.has(0, 12) || std::memcmp(b.data() + 4, "ftyp", 4) != 0)
        return std::nullopt;
    const std::optional<HeifHeader> header = readHeifHeader(b);
    if (!header)
        return std::nullopt;
    RasterFacts facts;
    facts.cost.width = header->stored.width();
    facts.cost.height = header->stored.height();
    // Decoded into planes of one or two bytes a sample, turned upright (a second set), then
    // converted to 8-bit RGBA.
    const qint64 sampleBytes = header->bitsPerSample > 8 ? 2 : 1;
    const qint64 planes = header->hasAlpha ? 4 : 3;
    facts.cost.workingBytes = 2 * planes * sampleBytes * facts.cost.width * facts.cost.height;
    facts.whole = boxesWhole(b);
    return facts;
}

} // namespace quenbrook
