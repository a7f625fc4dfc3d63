// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/pictures/WmfRecords.h"

#include "core/pictures/BitmapHeader.h"
#include "core/pictures/MetafileShared.h"

#include <QCoreApplication>
#include <algorithm>
#include <optional>

namespace quenbrook::MetafileToSvg {
namespace {

void put16(QByteArray& d, qsizetype at, quint16 v)
{
    d[at] = char(v & 0xff);
    d[at + 1] = char(v >> 8);
}
void put32(QByteArray& d, qsizetype at, quint32 v)
{
    put16(d, at, quint16(v & 0xffff));
    put16(d, at + 2, quint16(v >> 16));
}
void append16(QByteArray& d, quint16 v)
{
    d.append(char(v & 0xff));
    d.append(char(v >> 8));
}

constexpr quint32 PlaceableKey = 0x9AC6CDD7;
constexpr qsizetype PlaceableBytes = 22;

enum WmfRecord : quint16
{
    EndOfFile = 0x0000,
    SaveDc = 0x001E,
    SetMapMode = 0x0103,
    RestoreDc = 0x0127,
    SetWindowOrg = 0x020B,
    SetWindowExt = 0x020C,
    SetViewportOrg = 0x020D,
    SetViewportExt = 0x020E,
    OffsetWindowOrg = 0x020F,
    OffsetViewportOrg = 0x0211,
    ScaleWindowExt = 0x0410,
    ScaleViewportExt = 0x0412,
    PatBlt = 0x061D,
};

bool setsMapping(quint16 function)
{
    switch (function) {
    case SaveDc:
    case SetMapMode:
    case RestoreDc:
    case SetWindowOrg:
    case SetWindowExt:
    case SetViewportOrg:
    case SetViewportExt:
    case OffsetWindowOrg:
    case OffsetViewportOrg:
    case ScaleWindowExt:
    case ScaleViewportExt:
        return true;
    default:
        return false;
    }
}

bool makesObject(quint16 function)
{
    switch (function) {
    case 0x00F7: // CreatePalette
    case 0x0142: // DibCreatePatternBrush
    case 0x01F9: // CreatePatternBrush
    case 0x02FA: // CreatePenIndirect
    case 0x02FB: // CreateFontIndirect
    case 0x02FC: // CreateBrushIndirect
    case 0x06FF: // CreateRegion
        return true;
    default:
        return false;
    }
}

// Within the limits of what libwmf is given to play.
bool counted(RecordBudget& budget, qsizetype bytes, quint16 function)
{
    if (!budget.record())
        return false;
    if (makesObject(function))
        return budget.objectMade();
    if (function == SaveDc)
        return budget.stateSaved();
    if (function == RestoreDc)
        budget.stateRestored();
    if (function == 0x0325 || function == 0x0324 ||
        function == 0x0538) // Polyline, Polygon, PolyPolygon
        return budget.points(bytes / 4);
    return true;
}

bool draws(quint16 function)
{
    switch (function) {
    case 0x0213: // LineTo
    case 0x0325: // Polyline
    case 0x0324: // Polygon
    case 0x0538: // PolyPolygon
    case 0x041B: // Rectangle
    case 0x061C: // RoundRect
    case 0x0418: // Ellipse
    case 0x0817: // Arc
    case 0x081A: // Pie
    case 0x0830: // Chord
    case 0x0521: // TextOut
    case 0x0A32: // ExtTextOut
    case 0x062F: // DrawText
    case 0x0922: // BitBlt
    case 0x0B23: // StretchBlt
    case 0x0940: // DibBitBlt
    case 0x0B41: // DibStretchBlt
    case 0x0F43: // StretchDib
    case 0x0D33: // SetDibToDev
    case PatBlt:
    case 0x041F: // SetPixel
    case 0x0419: // FloodFill
    case 0x0548: // ExtFloodFill
    case 0x0228: // FillRegion
    case 0x0429: // FrameRegion
    case 0x012A: // InvertRegion
    case 0x012B: // PaintRegion
        return true;
    default:
        return false;
    }
}

// Whether a device-independent bitmap with header h, at `at` and running to `end`, holds all the
// pixels its header promises. libwmf trusts these headers and can spin for ever on a damaged one.
bool dibIsSound(const BitmapHeader& h, qsizetype at, qsizetype end)
{
    if (h.headerBytes > 124 || !h.knownDepth())
        return false;
    qint64 colours = h.colours;
    if (h.bits <= 8) {
        if (colours == 0)
            colours = 1LL << h.bits;
        if (colours > (1LL << h.bits))
            return false;
    } else if (colours > 256) {
        return false;
    }
    const qint64 bytes = h.headerBytes + colours * (h.headerBytes == 12 ? 3 : 4);
    switch (h.compression) {
    case BitmapHeader::BitFields:
        return h.rowsFitIn(end - at - bytes - 12);
    case BitmapHeader::Plain:
        return h.rowsFitIn(end - at - bytes);
    case BitmapHeader::RunLength8:
    case BitmapHeader::RunLength4:
        return bytes + 2 <= end - at;
    default:
        return false;
    }
}

// Where the bitmap of a record that carries one starts.
std::optional<qsizetype> bitmapAt(ByteReader d, qsizetype at, qsizetype bytes, quint16 function)
{
    // Without a bitmap these records are exactly (function >> 8) + 3 words long.
    const bool hasBitmap = bytes / 2 != (function >> 8) + 3;
    switch (function) {
    case 0x0F43: // StretchDib
        return at + 28;
    case 0x0B41: // DibStretchBlt
        return hasBitmap ? std::optional(at + 26) : std::nullopt;
    case 0x0940: // DibBitBlt
        return hasBitmap ? std::optional(at + 22) : std::nullopt;
    case 0x0D33: // SetDibToDev
        return at + 24;
    case 0x0142: // DibCreatePatternBrush, unless it holds a bitmap of the older kind
        return bytes < 10 || d.u16(at + 6) == 3 ? std::nullopt : std::optional(at + 10);
    default:
        return std::nullopt;
    }
}

void readPlaceableHeader(const QByteArray& d, WmfLayout& l)
{
    const ByteReader r(d);
    if (d.size() >= PlaceableBytes && r.u32(0) == PlaceableKey) {
        l.placeable = true;
        l.left = r.s16(6);
        l.top = r.s16(8);
        l.right = r.s16(10);
        l.bottom = r.s16(12);
        l.unitsPerInch = r.u16(14);
        l.headerAt = PlaceableBytes;
    }
}

// Records that carry a bitmap must carry all of it.
std::optional<Failure> checkBitmap(ByteReader r, qsizetype pos, qsizetype bytes, quint16 function,
                                   BitmapBudget& bitmaps)
{
    const auto dib = bitmapAt(r, pos, bytes, function);
    if (!dib)
        return std::nullopt;
    const auto header = readBitmapHeader(ByteReader(r.data(), pos + bytes), *dib);
    if (!header || !dibIsSound(*header, *dib, pos + bytes))
        return unreadable(QCoreApplication::translate("PictureLoader", "damaged bitmap"));
    if (!bitmaps.take(*header))
        return bitmaps.failure();
    return std::nullopt;
}

// A record that sets up the mapping before anything is drawn: kept, and the window noted.
void noteMapping(const QByteArray& d, qsizetype pos, quint32 words, quint16 function, WmfLayout& l)
{
    const ByteReader r(d);
    l.mapping += d.mid(pos, qsizetype(words) * 2);
    if ((function == SetWindowOrg || function == SetWindowExt) && words >= 5) {
        const int y = r.s16(pos + 6);
        const int x = r.s16(pos + 8);
        if (function == SetWindowOrg) {
            l.windowX = x;
            l.windowY = y;
        } else {
            l.windowW = x;
            l.windowH = y;
            l.hasWindow = true;
        }
    }
}

// The records after the header, up to the end-of-file record or the end of the data.
std::optional<Failure> readRecords(const QByteArray& d, WmfLayout& l)
{
    const ByteReader r(d);
    // libwmf decodes each bitmap, then packs it as PNG in base64 for the SVG renderer to decode
    // again: measured at some 9 bytes a pixel in all, counted as 16 to leave room.
    BitmapBudget bitmaps(16);
    RecordBudget records;
    bool drawn = false;
    qsizetype pos = l.headerAt + WmfHeaderBytes;
    while (pos < d.size()) {
        if (d.size() - pos < 6)
            return unreadable(QCoreApplication::translate("PictureLoader", "cut short"));
        const quint32 words = r.u32(pos);
        const quint16 function = r.u16(pos + 4);
        if (words < 3 || words > quint64(d.size() - pos) / 2)
            return unreadable(QCoreApplication::translate("PictureLoader", "damaged record"));
        l.largestRecordWords = std::max(l.largestRecordWords, words);
        const qsizetype bytes = qsizetype(words) * 2;
        if (function == EndOfFile)
            break;
        if (!counted(records, bytes, function))
            return records.failure();
        if (auto failure = checkBitmap(r, pos, bytes, function, bitmaps))
            return failure;
        if (!drawn && setsMapping(function))
            noteMapping(d, pos, words, function, l);
        else if (draws(function))
            drawn = true;
        pos += bytes;
    }
    l.recordsEnd = pos;
    return std::nullopt;
}

} // namespace

std::variant<WmfLayout, Failure> readWmfLayout(const QByteArray& d)
{
    const ByteReader r(d);
    WmfLayout l;
    readPlaceableHeader(d, l);
    if (d.size() < l.headerAt + WmfHeaderBytes)
        return unreadable();
    const quint16 type = r.u16(l.headerAt);
    if ((type != 1 && type != 2) || r.u16(l.headerAt + 2) != 9)
        return unreadable();
    if (auto failure = readRecords(d, l))
        return *failure;
    return l;
}

QByteArray wmfWithRecords(const QByteArray& d, const WmfLayout& l, const QByteArray& records,
                          quint32 largestRecordWords)
{
    QByteArray out = d.left(l.headerAt + WmfHeaderBytes) + records;
    append16(out, 3);
    append16(out, 0);
    append16(out, EndOfFile);
    put32(out, l.headerAt + 6, quint32((out.size() - l.headerAt) / 2));
    put32(out, l.headerAt + 12, std::max<quint32>(largestRecordWords, 9));
    return out;
}

QByteArray patBlts(int x0, int y0, int x1, int y1)
{
    QByteArray out;
    for (int x = x0; x < x1; x += 32767) {
        for (int y = y0; y < y1; y += 32767) {
            const int w = std::min(32767, x1 - x);
            const int h = std::min(32767, y1 - y);
            append16(out, 9);
            append16(out, 0);
            append16(out, PatBlt);
            append16(out, 0x0021); // PATCOPY
            append16(out, 0x00F0);
            append16(out, quint16(h));
            append16(out, quint16(w));
            append16(out, quint16(y));
            append16(out, quint16(x));
        }
    }
    return out;
}

} // namespace quenbrook::MetafileToSvg
