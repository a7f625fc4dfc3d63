// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/pictures/LoadStop.h"

#include <QByteArrayView>
#include <QImage>
#include <QSize>

namespace quenbrook {

// A JPEG decoded by libjpeg-turbo straight from the file's bytes into the pixels the page draws,
// scaled in the decoder to the least eighth that gives at least `wanted` pixels each way, then
// smoothly to exactly `wanted`: the pixels Qt's reader gives, in one pass and with no conversion
// after it. Only three-component (YCbCr) and grey pictures; the others are left to Qt's reader.
bool decodesJpeg(int components);
// A null image when the file is damaged, cut short or the stop was raised.
QImage decodeJpeg(QByteArrayView bytes, QSize wanted, const LoadStop* stop);

} // namespace quenbrook
