// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/pictures/ByteReader.h"
#include "core/pictures/DecodeCost.h"
#include "core/program/PictureFileTypes.h"

#include <QByteArray>

#include <optional>

namespace quenbrook {

// What a raster file's structure says before anything is decoded, from one walk over its bytes:
// what decoding it takes, and whether the file is whole. Qt decodes a cut-off bitmap, GIF or JPEG
// without complaint, filling the rest with grey or nothing, so such files are refused first.
struct RasterFacts
{
    DecodeCost cost;
    bool whole = false;
    int image = 0;     // which of the file's pictures is decoded (an icon holds several)
    qint64 pngAt = -1; // that picture is a PNG of pngBytes bytes from here (in an icon)
    qint64 pngBytes = 0;
    int orientation = 1;      // as EXIF gives it, 1 to 8
    QByteArray colourProfile; // ICC, when the file carries one
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
