// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QSize>

namespace quenbrook {

// What decoding a raster file takes, worked out from its headers before anything is decoded.
struct DecodeCost
{
    qint64 width = 0, height = 0; // of the largest picture the file holds, as its headers say
    qint64 bytesPerPixel = 4;     // of the decoded picture
    qint64 workingBytes = 0;      // held besides the decoded picture: a JPEG's coefficients
    qint64 jpegBlocks = 0;        // 8 × 8 blocks a JPEG's scans decode, whatever the output size
    qint64 jpegScans = 0;         // the scans that decoding goes through
    int jpegComponents = 0;       // colour components of a JPEG
    bool scalable = false;        // decoded straight at down to an eighth of the size (JPEG)
    qint64 metadataBytes = 0;     // comments and the like that the decoder keeps (JPEG)

    // Pixels of that picture; the largest number when the headers claim more than fits.
    qint64 pixels() const;
    // Bytes held while decoding to `output` pixels: the picture's own size unless scalable, and
    // no less than an eighth of it each way when scalable.
    qint64 heldBytes(QSize output) const;
    // The least that decoding can hold, however small the output.
    qint64 leastHeldBytes() const { return heldBytes(QSize(1, 1)); }
};

} // namespace quenbrook
