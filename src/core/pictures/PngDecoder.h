// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArrayView>
#include <QImage>

namespace quenbrook {

// A PNG decoded by libpng's own reader, which reports a damaged file as a value: the program then
// says what went wrong, where the decoder would write its complaints to the terminal. A null
// image for a damaged file or one of more than maxPixels.
QImage decodePng(QByteArrayView bytes, qint64 maxPixels);

} // namespace quenbrook
