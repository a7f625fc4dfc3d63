// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/pictures/BitmapHeader.h"

#include <cstdlib>

namespace quenbrook {

bool BitmapHeader::knownDepth() const
{
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

std::optional<BitmapHeader> readBitmapHeader(ByteReader b, qint64 at)
{
    if (!b.has(at, 12))
        return std::nullopt;
    BitmapHeader h;
    h.headerBytes = b.u32(at);
    if (h.headerBytes == 12) {
        h.width = b.u16(at + 4);
        h.height = b.u16(at + 6);
        h.bits = b.u16(at + 10);
    } else if (h.headerBytes >= 40 && b.has(at, 40)) {
        h.width = b.s32(at + 4);
        const qint64 height = b.s32(at + 8);
        h.height = std::abs(height);
        h.topDown = height < 0;
        h.bits = b.u16(at + 14);
        h.compression = b.u32(at + 16);
        h.colours = b.u32(at + 32);
    } else {
        return std::nullopt;
    }
    if (h.width <= 0 || h.height <= 0)
        return std::nullopt;
    return h;
}

std::optional<BitmapFile> readBitmapFile(ByteReader b)
{
    constexpr qint64 FileHeaderBytes = 14;
    if (!b.has(0, FileHeaderBytes) || b.u8(0) != 'B' || b.u8(1) != 'M')
        return std::nullopt;
    const std::optional<BitmapHeader> header = readBitmapHeader(b, FileHeaderBytes);
    if (!header)
        return std::nullopt;
    return BitmapFile{b.u32(10), *header};
}

} // namespace quenbrook
