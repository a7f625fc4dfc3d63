// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/pictures/EmfRecords.h"

#include "core/pictures/BitmapHeader.h"
#include "core/pictures/MetafileShared.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <optional>

namespace quenbrook::MetafileToSvg {
namespace {

constexpr quint32 EndRecord = 14;

// Where in a record the offset and size of each bitmap header it may carry are given (0: none).
// Each pair is followed by the offset and size of that bitmap's pixels.
std::array<qsizetype, 2> bitmapFields(quint32 type)
{
    switch (type) {
    case 76:  // BitBlt
    case 77:  // StretchBlt
    case 114: // AlphaBlend
    case 116: // TransparentBlt
        return {84, 0};
    case 78: // MaskBlt, with its mask
        return {84, 112};
    case 79: // PlgBlt, with its mask
        return {96, 124};
    case 80: // SetDIBitsToDevice
    case 81: // StretchDIBits
        return {48, 0};
    case 93: // CreateMonoBrush
    case 94: // CreateDIBPatternBrushPt
        return {16, 0};
    default:
        return {0, 0};
    }
}

bool makesObject(quint32 type)
{
    switch (type) {
    case 38:  // CreatePen
    case 39:  // CreateBrushIndirect
    case 49:  // CreatePalette
    case 82:  // ExtCreateFontIndirectW
    case 93:  // CreateMonoBrush
    case 94:  // CreateDIBPatternBrushPt
    case 95:  // ExtCreatePen
    case 99:  // CreateColorSpace
    case 122: // CreateColorSpaceW
        return true;
    default:
        return false;
    }
}

// The EMF+ records a comment carries count as records of their own.
bool countedPlusRecords(ByteReader d, qsizetype at, qint64 recordBytes, RecordBudget& budget)
{
    constexpr quint32 PlusKey = 0x2B464D45; // "EMF+"
    if (recordBytes < 16 || d.u32(at + 12) != PlusKey)
        return true;
    const qint64 end = at + std::min<qint64>(12 + qint64(d.u32(at + 8)), recordBytes);
    for (qint64 pos = at + 16; pos + 12 <= end;) {
        const quint16 type = d.u16(pos);
        const qint64 size = d.u32(pos + 4);
        if (size < 12 || size > end - pos)
            break;
        if (!budget.record())
            return false;
        if (type == 0x4008 && !budget.objectMade()) // Object
            return false;
        if (type == 0x4025 && !budget.stateSaved()) // Save
            return false;
        if (type == 0x4026) // Restore
            budget.stateRestored();
        pos += size;
    }
    return true;
}

// Within the limits of what libemf2svg is given to play.
bool counted(ByteReader d, qsizetype at, quint32 type, qint64 recordBytes, RecordBudget& budget)
{
    if (!budget.record())
        return false;
    if (makesObject(type))
        return budget.objectMade();
    switch (type) {
    case 33: // SaveDC
        return budget.stateSaved();
    case 34: // RestoreDC
        budget.stateRestored();
        return true;
    case 2: // PolyBezier, Polygon, Polyline, PolyBezierTo, PolylineTo, PolyPolyline, PolyPolygon
    case 3:
    case 4:
    case 5:
    case 6:
    case 7:
    case 8:
    case 56: // PolyDraw
        return budget.points(recordBytes / 8);
    case 85: // the same with 16-bit points
    case 86:
    case 87:
    case 88:
    case 89:
    case 90:
    case 91:
    case 92:
        return budget.points(recordBytes / 4);
    case 70: // Comment
        return countedPlusRecords(d, at, recordBytes, budget);
    default:
        return true;
    }
}

// Whether [offset, offset + size) lies within a record of recordBytes.
bool inside(qint64 offset, qint64 size, qint64 recordBytes)
{
    return offset >= 0 && size >= 0 && offset <= recordBytes && size <= recordBytes - offset;
}

// Checks the bitmaps of the record at `at`, adding them to what is held.
std::optional<Failure> checkBitmaps(ByteReader d, qsizetype at, quint32 type, qint64 recordBytes,
                                    BitmapBudget& bitmaps)
{
    const Failure damaged =
        unreadable(QCoreApplication::translate("PictureLoader", "damaged bitmap"));
    for (const qsizetype field : bitmapFields(type)) {
        if (field == 0)
            continue;
        if (field + 16 > recordBytes)
            return damaged;
        const qint64 headerAt = d.u32(at + field), headerBytes = d.u32(at + field + 4);
        const qint64 pixelsAt = d.u32(at + field + 8), pixelBytes = d.u32(at + field + 12);
        if (headerBytes == 0)
            continue; // drawn with the brush alone
        if (!inside(headerAt, headerBytes, recordBytes) ||
            !inside(pixelsAt, pixelBytes, recordBytes))
            return damaged;
        const auto header =
            readBitmapHeader(ByteReader(d.data(), at + headerAt + headerBytes), at + headerAt);
        if (!header)
            return damaged;
        if (!bitmaps.take(*header))
            return bitmaps.failure();
    }
    return std::nullopt;
}

} // namespace

std::variant<qsizetype, Failure> emfRecordsEnd(ByteReader d)
{
    // libemf2svg decodes each bitmap, packs it as PNG in base64, and the SVG renderer decodes it
    // again: measured at some 50 bytes a pixel in all, counted as 64 to leave room.
    BitmapBudget bitmaps(64);
    RecordBudget records;
    qsizetype end = 0;
    while (d.has(end, 8)) {
        const quint32 type = d.u32(end);
        const quint32 size = d.u32(end + 4);
        if (size < 8 || size % 4 != 0 || !d.has(end, size))
            return unreadable(QCoreApplication::translate("PictureLoader", "damaged record"));
        if (!counted(d, end, type, size, records))
            return records.failure();
        if (auto failure = checkBitmaps(d, end, type, size, bitmaps))
            return *failure;
        end += size;
        if (type == EndRecord)
            return end;
    }
    return unreadable(QCoreApplication::translate("PictureLoader", "cut short"));
}

} // namespace quenbrook::MetafileToSvg
