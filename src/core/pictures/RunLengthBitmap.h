// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/pictures/BitmapHeader.h"

#include <QImage>

namespace quenbrook {

// Run-length coded bitmaps (BI_RLE8 and BI_RLE4) are decoded here rather than by Qt. Their codes
// may leave pixels out: a move skips some, a line ends short, or the bitmap ends before its last
// line. Qt leaves those pixels as whatever was in memory; here they are always transparent, as
// they are when Windows draws such a bitmap over what is already there.

// Whether the coded lines run to the end-of-bitmap mark, or at least through the last line.
bool runLengthIsWhole(ByteReader file, const BitmapFile& bitmap);

// The bitmap in 32-bit ARGB; a null image when it is damaged or cut short.
QImage decodeRunLength(ByteReader file, const BitmapFile& bitmap);

} // namespace quenbrook
