#pragma once

#include "core/pictures/ByteReader.h"
#include "core/pictures/DecodeCost.h"
#include "core/program/PictureFileTypes.h"

#include <optional>

namespace quenbrook {

// What a raster file's structure says before anything is decoded, from one walk over its bytes:
// what decoding it takes, and whether the file is whole. Qt decodes a cut-off bitmap, GIF or JPEG
// without complaint, filling the rest with grey or nothing, so such files are refused first.
struct RasterFacts
{
    DecodeCost cost;
    bool whole = false;
};

// None when the headers cannot be read; the decoder would refuse such a file too. Metafiles
// have no structure here: their conversion checks them.
std::optional<RasterFacts> inspectRaster(RasterStructure structure, ByteReader file);

// Each format's walk, in a file of its own.
std::optional<RasterFacts> inspectBitmap(ByteReader file);
std::optional<RasterFacts> inspectGif(ByteReader file);
std::optional<RasterFacts> inspectJpeg(ByteReader file);
std::optional<RasterFacts> inspectIcon(ByteReader file);
std::optional<RasterFacts> inspectPng(ByteReader file);
std::optional<RasterFacts> inspectTiff(ByteReader file);
std::optional<RasterFacts> inspectWebp(ByteReader file);
std::optional<RasterFacts> inspectHeif(ByteReader file);

} // namespace quenbrook
