// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/pictures/LoadStop.h"

#include <QByteArrayView>
#include <QColorSpace>
#include <QImage>
#include <QSize>

#include <functional>

namespace quenbrook {

// A JPEG decoded by libjpeg-turbo straight from the file's bytes into the pixels the page draws,
// scaled in the decoder to the least eighth that gives at least `wanted` pixels each way, then
// smoothly to exactly `wanted`: the pixels Qt's reader gives, in one pass and with no conversion
// after it. Only three-component (YCbCr) and grey pictures; the others are left to Qt's reader.
bool decodesJpeg(int components);

// Told on the decoding thread, after each band of rows of a picture decoded at its full size, that
// the first `rows` rows of `image` are final; the rows after them are not written yet. It may keep
// a copy of `image` but must not change it.
using JpegRowsDone = std::function<void(const QImage& image, int rows)>;

// A null image when the file is damaged, cut short or the stop was raised. A colour picture whose
// `space` is not sRGB comes out in sRGB.
QImage decodeJpeg(QByteArrayView bytes, QSize wanted, const LoadStop* stop,
                  const QColorSpace& space = {}, const JpegRowsDone& rowsDone = {});

} // namespace quenbrook
