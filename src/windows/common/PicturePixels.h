// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/pictures/Picture.h"

#include <QSize>

namespace quenbrook {

// The picture as pixels the window thread may take over from a loading thread: a vector drawing
// is drawn there and then into as many pixels as `pixels` asks (fewer when that would hold more
// than a decoded picture may), transparent around its ink; a raster comes back as it is.
Picture InPixels(Picture picture, QSize pixels);

// Pixels of the given size, or of its shape and no more than a decoded picture may hold.
QSize WithinDecodeLimit(QSize pixels);

} // namespace quenbrook
