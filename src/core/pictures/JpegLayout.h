// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/pictures/ByteReader.h"

#include <QList>

namespace quenbrook {

// A JPEG's frame and scans, read from its markers without decoding anything.
struct JpegLayout
{
    struct Component
    {
        int id = 0;
        int h = 1, v = 1; // sampling factors
    };

    uchar frameMarker = 0; // the SOFn code, 0 when there is no usable frame header
    qint64 width = 0, height = 0;
    QList<Component> components;
    int scans = 0;
    int firstScanComponents = 0;
    qint64 blocksWalked = 0;    // 8 × 8 blocks all the scans decode, each scan's setup counted too
    bool whole = false;         // the picture data is followed by the end-of-image marker
    qint64 keptMarkerBytes = 0; // comments, EXIF and colour profiles, which the decoder keeps
    qint64 keptMarkers = 0;
    // A one-scan sequential picture's walk ends at its scan: its decoder then finds where the
    // data ends, which is whole only when the data runs to the end-of-image marker.
    bool endLeftToDecoder = false;
    int orientation = 1;   // EXIF's, 1 to 8; 1 when the file says none
    QByteArray iccProfile; // the colour profile, its pieces joined

    bool hasFrame() const { return frameMarker != 0; }
    // Only one-pass sequential JPEGs are decoded a row of blocks at a time; the others keep the
    // coefficients of the whole picture until the last scan is in.
    bool holdsWholePicture() const;
    qint64 blocksWide(int component) const;
    qint64 blocksHigh(int component) const;
};

// With stopAtWholeScan, the walk of a sequential picture that the program decodes itself and
// whose first scan holds every component ends there (see endLeftToDecoder).
JpegLayout readJpegLayout(ByteReader bytes, bool stopAtWholeScan = false);

} // namespace quenbrook
