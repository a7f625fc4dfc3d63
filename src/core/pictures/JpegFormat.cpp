// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/pictures/JpegLayout.h"
#include "core/pictures/RasterFormats.h"

namespace quenbrook {

// Sequential JPEGs are decoded a row of MCUs at a time, the others from the coefficients of the
// whole picture (two bytes each, in blocks padded to whole MCUs). The file is whole when its
// picture data is followed by the end-of-image marker; for a one-scan sequential picture the
// program decodes, its decoder finds that out.
std::optional<RasterFacts> inspectJpeg(ByteReader b)
{
    const JpegLayout jpeg = readJpegLayout(b, true);
    if (!jpeg.hasFrame())
        return std::nullopt;
    RasterFacts facts;
    facts.whole = jpeg.whole;
    facts.orientation = jpeg.orientation;
    facts.colourProfile = jpeg.iccProfile;
    DecodeCost& cost = facts.cost;
    cost.width = jpeg.width;
    cost.height = jpeg.height;
    cost.scalable = true;
    cost.jpegBlocks = jpeg.blocksWalked;
    cost.jpegScans = jpeg.scans;
    cost.jpegComponents = int(jpeg.components.size());
    constexpr qint64 BookkeepingPerMarker = 64;
    cost.metadataBytes = jpeg.keptMarkerBytes + jpeg.keptMarkers * BookkeepingPerMarker;
    constexpr qint64 BlockBytes = 64 * 2;
    for (int i = 0; i < jpeg.components.size(); ++i) {
        const auto& c = jpeg.components[i];
        const qint64 wide = (jpeg.blocksWide(i) + c.h - 1) / c.h * c.h;
        const qint64 high = jpeg.holdsWholePicture() ? (jpeg.blocksHigh(i) + c.v - 1) / c.v * c.v
                                                     : c.v * 4; // a row, with its samples
        cost.workingBytes += wide * high * BlockBytes;
    }
    return facts;
}

} // namespace quenbrook
