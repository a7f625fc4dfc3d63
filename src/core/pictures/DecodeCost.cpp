// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/pictures/DecodeCost.h"

#include <QtNumeric>

#include <algorithm>
#include <limits>

namespace quenbrook {
namespace {

// Headers can claim sizes whose products do not fit; those come out as the largest number.
qint64 product(qint64 a, qint64 b)
{
    qint64 result = 0;
    return qMulOverflow(a, b, &result) ? std::numeric_limits<qint64>::max() : result;
}

qint64 sum(qint64 a, qint64 b)
{
    qint64 result = 0;
    return qAddOverflow(a, b, &result) ? std::numeric_limits<qint64>::max() : result;
}

} // namespace

qint64 DecodeCost::pixels() const
{
    return product(width, height);
}

qint64 DecodeCost::heldBytes(QSize output) const
{
    qint64 w = width, h = height;
    if (scalable) {
        w = std::clamp<qint64>(output.width(), (width + 7) / 8, width);
        h = std::clamp<qint64>(output.height(), (height + 7) / 8, height);
    }
    return sum(workingBytes, product(product(w, h), bytesPerPixel));
}

} // namespace quenbrook
