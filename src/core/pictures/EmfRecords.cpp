#include "core/pictures/EmfRecords.h"

#include "core/pictures/BitmapHeader.h"
#include "core/pictures/MetafileShared.h"

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

// Whether [offset, offset + size) lies within a record of recordBytes.
bool inside(qint64 offset, qint64 size, qint64 recordBytes)
{
    return offset >= 0 && size >= 0 && offset <= recordBytes && size <= recordBytes - offset;
}

// Checks the bitmaps of the record at `at`, adding them to what is held.
std::optional<Failure> checkBitmaps(ByteReader d, qsizetype at, quint32 type, qint64 recordBytes,
                                    BitmapBudget& bitmaps)
{
    const Failure damaged = unreadable(QStringLiteral("damaged bitmap"));
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
    qsizetype end = 0;
    while (d.has(end, 8)) {
        const quint32 type = d.u32(end);
        const quint32 size = d.u32(end + 4);
        if (size < 8 || size % 4 != 0 || !d.has(end, size))
            return unreadable(QStringLiteral("damaged record"));
        if (auto failure = checkBitmaps(d, end, type, size, bitmaps))
            return *failure;
        end += size;
        if (type == EndRecord)
            return end;
    }
    return unreadable(QStringLiteral("cut short"));
}

} // namespace quenbrook::MetafileToSvg
