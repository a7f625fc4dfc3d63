// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/pictures/BitmapHeader.h"
#include "core/pictures/RasterFormats.h"
#include "core/pictures/RunLengthBitmap.h"

namespace quenbrook {
namespace {

// A bitmap is whole when its pixel rows are all there (or, run-length coded, all its lines).
bool isWhole(ByteReader b, const BitmapFile& file)
{
    if (file.pixelsAt >= b.size())
        return false;
    switch (file.header.compression) {
    case BitmapHeader::Plain:
    case BitmapHeader::BitFields:
    case BitmapHeader::AlphaBitFields:
        return file.header.rowsFitIn(b.size() - file.pixelsAt);
    case BitmapHeader::RunLength8:
    case BitmapHeader::RunLength4:
        return runLengthIsWhole(b, file);
    default:
        return true; // left to Qt, which reads only the kinds above
    }
}

} // namespace

std::optional<RasterFacts> inspectBitmap(ByteReader b)
{
    const std::optional<BitmapFile> file = readBitmapFile(b);
    if (!file)
        return std::nullopt;
    RasterFacts facts;
    facts.cost.width = file->header.width;
    facts.cost.height = file->header.height;
    facts.whole = isWhole(b, *file);
    return facts;
}

} // namespace quenbrook
