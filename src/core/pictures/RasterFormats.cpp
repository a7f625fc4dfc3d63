// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/pictures/RasterFormats.h"

namespace quenbrook {

std::optional<RasterFacts> inspectRaster(RasterStructure structure, ByteReader file)
{
    switch (structure) {
    case RasterStructure::Bitmap:
        return inspectBitmap(file);
    case RasterStructure::Gif:
        return inspectGif(file);
    case RasterStructure::Jpeg:
        return inspectJpeg(file);
    case RasterStructure::Icon:
        return inspectIcon(file);
    case RasterStructure::Png:
        return inspectPng(file);
    case RasterStructure::Tiff:
        return inspectTiff(file);
    case RasterStructure::Webp:
        return inspectWebp(file);
    case RasterStructure::Heif:
        return inspectHeif(file);
    case RasterStructure::None:
        break;
    }
    return std::nullopt;
}

} // namespace quenbrook
