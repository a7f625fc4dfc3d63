#pragma once

#include <QtGlobal>

namespace quenbrook {

// The most memory that decoding one picture may hold: a raster decoder's working buffers and the
// decoded pixels, or what converting a metafile holds for the bitmaps in it.
inline constexpr qint64 MaxDecodedBytes = 256LL * 1024 * 1024;

// A JPEG decoder goes through every 8 × 8 block of every scan, however small the picture it makes;
// beyond this many blocks that takes longer than anyone waits for a picture.
inline constexpr qint64 MaxJpegBlocks = 32LL * 1024 * 1024;

} // namespace quenbrook
