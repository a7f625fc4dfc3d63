#pragma once

#include "core/pictures/ByteReader.h"
#include "core/program/PictureFileTypes.h"

namespace quenbrook {

// Qt decodes a cut-off bitmap, GIF or JPEG without complaint, filling the rest with grey or
// nothing. These walk a raster file's structure to find such files before they are decoded.
// Metafiles are checked by their conversion, so they always pass here.
bool isWhole(RasterStructure structure, ByteReader bytes);

} // namespace quenbrook
