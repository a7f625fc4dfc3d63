// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/pictures/RasterFormats.h"

#include <array>
#include <cstring>

namespace quenbrook {
namespace {

quint32 crc32(const uchar* data, qint64 size)
{
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> t{};
        for (quint32 n = 0; n < 256; ++n) {
            quint32 c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    quint32 c = 0xFFFFFFFFu;
    for (qint64 i = 0; i < size; ++i)
        c = table[(c ^ data[i]) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

bool isChunk(ByteReader b, qint64 at, const char* type)
{
    return std::memcmp(b.data() + at + 4, type, 4) == 0;
}

} // namespace

// The size is the header chunk's. The file is whole when its chunks, each with the checksum it
// carries, run up to the end chunk. Text, EXIF and colour profiles count as notes the decoder
// keeps.
std::optional<RasterFacts> inspectPng(ByteReader b)
{
    static constexpr uchar Signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (!b.has(0, 8 + 8 + 13) || std::memcmp(b.data(), Signature, 8) != 0 || !isChunk(b, 8, "IHDR"))
        return std::nullopt;
    RasterFacts facts;
    facts.cost.width = b.be32(16);
    facts.cost.height = b.be32(20);
    facts.cost.bytesPerPixel = b.u8(24) == 16 ? 8 : 4;
    if (facts.cost.width == 0 || facts.cost.height == 0)
        return std::nullopt;
    qint64 pos = 8;
    while (b.has(pos, 12)) {
        const qint64 length = b.be32(pos);
        if (length > 0x7FFFFFFF || !b.has(pos + 8, length + 4))
            break;
        if (crc32(b.data() + pos + 4, length + 4) != b.be32(pos + 8 + length))
            break;
        if (isChunk(b, pos, "tEXt") || isChunk(b, pos, "zTXt") || isChunk(b, pos, "iTXt") ||
            isChunk(b, pos, "iCCP") || isChunk(b, pos, "eXIf"))
            facts.cost.metadataBytes += length;
        if (isChunk(b, pos, "IEND")) {
            facts.whole = true;
            break;
        }
        pos += 12 + length;
    }
    return facts;
}

} // namespace quenbrook
