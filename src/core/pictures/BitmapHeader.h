// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/pictures/ByteReader.h"

#include <optional>

namespace quenbrook {

// The header of a device-independent bitmap: what follows the file header of a .bmp, what an
// icon holds for each of its images, and what a metafile's bitmap records carry.
struct BitmapHeader
{
    enum Compression : quint32
    {
        Plain = 0,
        RunLength8 = 1,
        RunLength4 = 2,
        BitFields = 3,
        AlphaBitFields = 6,
    };

    qint64 headerBytes = 0; // 12 for the old OS/2 form, 40 or more for the others
    qint64 width = 0;
    qint64 height = 0; // rows, whichever way they run
    bool topDown = false;
    qint64 bits = 0;
    quint32 compression = Plain;
    qint64 colours = 0; // palette entries as the header gives them, 0 meaning all that fit

    bool runLength() const { return compression == RunLength8 || compression == RunLength4; }
    bool knownDepth() const;
    // Bytes of one row of uncompressed pixels, padded to a 32-bit boundary.
    qint64 rowBytes() const { return (width * bits + 31) / 32 * 4; }
    // Whether all the rows of uncompressed pixels fit in `bytes` (worked out without overflow).
    bool rowsFitIn(qint64 bytes) const { return bytes >= 0 && rowBytes() <= bytes / height; }
};

// The header at `at`; none when it is of no known form, cut short, or declares no pixels.
std::optional<BitmapHeader> readBitmapHeader(ByteReader bytes, qint64 at);

// A .bmp file's headers: the bitmap header and where its pixels start.
struct BitmapFile
{
    qint64 pixelsAt = 0;
    BitmapHeader header;
};

std::optional<BitmapFile> readBitmapFile(ByteReader bytes);

} // namespace quenbrook
