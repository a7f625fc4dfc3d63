// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QtGlobal>

namespace quenbrook {

// The most memory that decoding one picture may hold: a raster decoder's working buffers and the
// decoded pixels, or what converting a metafile holds for the bitmaps in it.
inline constexpr qint64 MaxDecodedBytes = 256LL * 1024 * 1024;

// A JPEG decoder goes through every 8 × 8 block of every scan, however small the picture it makes;
// beyond this many blocks that takes longer than anyone waits for a picture.
inline constexpr qint64 MaxJpegBlocks = 32LL * 1024 * 1024;
// Setting up a scan costs the decoder about as much as decoding this many blocks, however few
// blocks the scan holds: a file of millions of tiny scans asks for that work millions of times.
inline constexpr qint64 JpegScanSetupBlocks = 4096;

// Picture files beyond this size are refused before anything is read. A file is read whole into
// memory and decoded from there, so its bytes and its decoding together stay under 400 MiB.
inline constexpr qint64 MaxPictureFileBytes = 128LL * 1024 * 1024;

// The comments, EXIF and colour profiles a JPEG decoder keeps in memory (each segment counting
// some bookkeeping besides its bytes); a real photograph carries well under a megabyte.
inline constexpr qint64 MaxJpegMetadataBytes = 16LL * 1024 * 1024;

} // namespace quenbrook
