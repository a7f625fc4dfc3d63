// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/pictures/JpegLayout.h"

#include "core/pictures/DecodeLimits.h"
#include "core/pictures/JpegDecoder.h"

#include <algorithm>
#include <cstring>

namespace quenbrook {
namespace {

constexpr uchar Eoi = 0xD9;
constexpr uchar Sos = 0xDA;

bool isFrameMarker(uchar m)
{
    return m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC;
}

bool standsAlone(uchar m)
{
    return m == 0x01 || (m >= 0xD0 && m <= 0xD7);
}

qint64 ceilDiv(qint64 a, qint64 b)
{
    return (a + b - 1) / b;
}

void readFrame(ByteReader b, qint64 at, qint64 length, uchar marker, JpegLayout& l)
{
    if (l.hasFrame() || length < 6)
        return;
    const int count = b.u8(at + 5);
    if (count < 1 || length < 6 + 3 * qint64(count))
        return;
    QList<JpegLayout::Component> components;
    for (int i = 0; i < count; ++i) {
        const qint64 c = at + 6 + 3 * i;
        const int h = b.u8(c + 1) >> 4, v = b.u8(c + 1) & 15;
        if (h < 1 || h > 4 || v < 1 || v > 4)
            return;
        components.append({b.u8(c), h, v});
    }
    l.height = b.be16(at + 1);
    l.width = b.be16(at + 3);
    if (l.width == 0 || l.height == 0)
        return;
    l.components = components;
    l.frameMarker = marker;
}

void readScan(ByteReader b, qint64 at, qint64 length, JpegLayout& l)
{
    ++l.scans;
    const int count = length >= 1 ? b.u8(at) : 0;
    if (l.scans == 1)
        l.firstScanComponents = count;
    // Saturates rather than overflow on a file of millions of scans.
    const auto walk = [&l](qint64 blocks) {
        l.blocksWalked = std::min(l.blocksWalked + blocks, qint64(1) << 62);
    };
    walk(JpegScanSetupBlocks);
    if (!l.hasFrame() || length < 1 + 2 * qint64(count))
        return;
    int hMax = 1, vMax = 1;
    for (const auto& c : l.components) {
        hMax = std::max(hMax, c.h);
        vMax = std::max(vMax, c.v);
    }
    qint64 blocks = 0;
    for (int i = 0; i < count; ++i) {
        const int id = b.u8(at + 1 + 2 * i);
        const auto found = std::find_if(l.components.cbegin(), l.components.cend(),
                                        [id](const auto& c) { return c.id == id; });
        if (found == l.components.cend())
            continue;
        const int index = int(found - l.components.cbegin());
        if (count == 1) {
            blocks += l.blocksWide(index) * l.blocksHigh(index);
        } else { // interleaved: whole MCUs
            blocks +=
                ceilDiv(l.width, 8 * hMax) * ceilDiv(l.height, 8 * vMax) * found->h * found->v;
        }
    }
    walk(blocks);
}

// EXIF's orientation tag in the first picture's directory of an APP1 "Exif" segment.
int exifOrientation(ByteReader b, qint64 at, qint64 length)
{
    if (length < 14 || std::memcmp(b.data() + at, "Exif\0\0", 6) != 0)
        return 1;
    const ByteReader tiff(b.data() + at + 6, length - 6);
    const bool big = tiff.u8(0) == 'M';
    const auto u16 = [&](qint64 p) { return big ? tiff.be16(p) : tiff.u16(p); };
    const auto u32 = [&](qint64 p) { return big ? tiff.be32(p) : tiff.u32(p); };
    if (!(tiff.u8(0) == tiff.u8(1) && (big || tiff.u8(0) == 'I')) || u16(2) != 42)
        return 1;
    const qint64 directory = u32(4);
    if (!tiff.has(directory, 2))
        return 1;
    const qint64 count = u16(directory);
    for (qint64 i = 0; i < count && tiff.has(directory + 2 + 12 * i, 12); ++i) {
        const qint64 entry = directory + 2 + 12 * i;
        if (u16(entry) == 0x0112 && u16(entry + 2) == 3) { // orientation, a short
            const int value = u16(entry + 8);
            return value >= 1 && value <= 8 ? value : 1;
        }
    }
    return 1;
}

// A piece of an APP2 "ICC_PROFILE" colour profile: its number from 1, then its bytes.
void readProfilePiece(ByteReader b, qint64 at, qint64 length, QList<QByteArray>& pieces)
{
    constexpr qint64 Tag = 14; // "ICC_PROFILE\0", number, count
    if (length <= Tag || std::memcmp(b.data() + at, "ICC_PROFILE\0", 12) != 0)
        return;
    const int number = b.u8(at + 12);
    if (number < 1)
        return;
    if (pieces.size() < number)
        pieces.resize(number);
    pieces[number - 1] =
        QByteArray(reinterpret_cast<const char*>(b.data() + at + Tag), length - Tag);
}

} // namespace

bool JpegLayout::holdsWholePicture() const
{
    const bool sequential = frameMarker == 0xC0 || frameMarker == 0xC1 || frameMarker == 0xC9;
    return !sequential || firstScanComponents < components.size();
}

qint64 JpegLayout::blocksWide(int component) const
{
    int hMax = 1;
    for (const auto& c : components)
        hMax = std::max(hMax, c.h);
    return ceilDiv(width * components[component].h, 8 * hMax);
}

qint64 JpegLayout::blocksHigh(int component) const
{
    int vMax = 1;
    for (const auto& c : components)
        vMax = std::max(vMax, c.v);
    return ceilDiv(height * components[component].v, 8 * vMax);
}

JpegLayout readJpegLayout(ByteReader b, bool stopAtWholeScan)
{
    JpegLayout l;
    QList<QByteArray> profile;
    const auto finish = [&] {
        for (const QByteArray& piece : profile)
            l.iccProfile += piece;
        return l;
    };
    const qint64 n = b.size();
    if (n < 4 || b.u8(0) != 0xFF || b.u8(1) != 0xD8)
        return l;
    qint64 pos = 2;
    bool inScan = false;
    while (pos < n) {
        if (inScan) {
            // In the coded data an FF is followed by 00 (a stuffed FF), a restart marker, more
            // FFs as fill, or the marker that ends the scan.
            const void* ff =
                std::memchr(b.data() + pos, 0xFF, size_t(std::max<qint64>(n - pos - 1, 0)));
            if (!ff)
                return finish();
            pos = static_cast<const uchar*>(ff) - b.data();
            const uchar next = b.u8(pos + 1);
            if (next == 0x00 || (next >= 0xD0 && next <= 0xD7))
                pos += 2;
            else if (next == 0xFF)
                ++pos;
            else
                inScan = false;
            continue;
        }
        if (b.u8(pos) != 0xFF)
            return finish();
        while (pos < n && b.u8(pos) == 0xFF)
            ++pos;
        if (pos >= n)
            return finish();
        const uchar marker = b.u8(pos++);
        if (marker == Eoi) {
            l.whole = l.scans > 0; // a file that ends before any picture data is not whole
            return finish();
        }
        if (standsAlone(marker))
            continue;
        if (!b.has(pos, 2))
            return finish();
        const qint64 length = b.be16(pos);
        if (length < 2 || !b.has(pos, length))
            return finish();
        if (marker == 0xFE || marker == 0xE1 || marker == 0xE2) {
            l.keptMarkerBytes += length;
            ++l.keptMarkers;
        }
        if (marker == 0xE1 && l.orientation == 1)
            l.orientation = exifOrientation(b, pos + 2, length - 2);
        else if (marker == 0xE2)
            readProfilePiece(b, pos + 2, length - 2, profile);
        if (isFrameMarker(marker))
            readFrame(b, pos + 2, length - 2, marker, l);
        else if (marker == Sos) {
            readScan(b, pos + 2, length - 2, l);
            inScan = true;
            if (stopAtWholeScan && l.scans == 1 && !l.holdsWholePicture() &&
                decodesJpeg(int(l.components.size()))) {
                l.whole = l.endLeftToDecoder = true;
                return finish();
            }
        }
        pos += length;
    }
    return finish();
}

} // namespace quenbrook
