#include "core/pictures/MetafileToSvg.h"

#include "core/program/Units.h"

#include <QElapsedTimer>
#include <QRectF>
#include <QRegularExpression>

#include <emf2svg.h>
#include <libwmf/api.h>
#include <libwmf/svg.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <optional>

namespace quenbrook::MetafileToSvg {
namespace {

// SVG text beyond this is cut off and the conversion refused.
constexpr qsizetype MaxSvgBytes = 256LL * 1024 * 1024;
// A drawing that libwmf has not finished playing by then is given up.
constexpr qint64 PlayTimeLimitMs = 20'000;

// Neither converter library says it may run on two threads at once.
std::mutex& converterMutex()
{
    static std::mutex mutex;
    return mutex;
}

quint16 u16(const QByteArray& d, qsizetype at)
{
    return quint16(uchar(d[at]) | uchar(d[at + 1]) << 8);
}
qint16 s16(const QByteArray& d, qsizetype at)
{
    return qint16(u16(d, at));
}
quint32 u32(const QByteArray& d, qsizetype at)
{
    return u16(d, at) | quint32(u16(d, at + 2)) << 16;
}
qint32 s32(const QByteArray& d, qsizetype at)
{
    return qint32(u32(d, at));
}

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

Failure unreadable(const QString& detail = QString())
{
    return {Failure::Kind::Unreadable, detail};
}

Failure tooBigFile(qint64 bytes)
{
    return {Failure::Kind::TooLarge, QStringLiteral("a file of %1 MB").arg(bytes / (1024 * 1024))};
}

QString millimetres(qint64 himetricW, qint64 himetricH)
{
    return QStringLiteral("%1 × %2 mm").arg(himetricW / 100).arg(himetricH / 100);
}

std::optional<Failure> checkFrameSize(qint64 w, qint64 h)
{
    if (w < 1 || h < 1)
        return Failure{Failure::Kind::NoSize, QStringLiteral("its frame is empty")};
    if (w > MaxFrameHimetric || h > MaxFrameHimetric)
        return Failure{Failure::Kind::TooLarge, millimetres(w, h)};
    return std::nullopt;
}

QByteArray number(double v)
{
    return QByteArray::number(v, 'g', 10);
}

// Gives the SVG root the frame as its viewBox, the natural size as its size, and the namespaces
// that the converters use without always declaring them.
QByteArray withFrame(const QByteArray& svg, const QRectF& viewBox, QSize himetric)
{
    qsizetype start = svg.indexOf("<svg");
    while (start >= 0) {
        const char next = start + 4 < svg.size() ? svg[start + 4] : '\0';
        if (next == '>' || next == '/' || next == ' ' || next == '\t' || next == '\n' ||
            next == '\r')
            break;
        start = svg.indexOf("<svg", start + 4);
    }
    if (start < 0)
        return {};
    const qsizetype end = svg.indexOf('>', start);
    if (end < 0)
        return {};

    QString tag = QString::fromUtf8(svg.mid(start + 4, end - start - 4));
    static const QRegularExpression sizing(
        QStringLiteral(R"(\s+(width|height|viewBox|preserveAspectRatio)\s*=\s*("[^"]*"|'[^']*'))"));
    tag.remove(sizing);

    QByteArray root = "<svg";
    if (!tag.contains(QLatin1String("xmlns=")))
        root += " xmlns=\"http://www.w3.org/2000/svg\"";
    if (!tag.contains(QLatin1String("xmlns:xlink=")))
        root += " xmlns:xlink=\"http://www.w3.org/1999/xlink\"";
    root += " width=\"" + QByteArray::number(himetric.width()) + "\" height=\"" +
            QByteArray::number(himetric.height()) + "\" viewBox=\"" + number(viewBox.x()) + ' ' +
            number(viewBox.y()) + ' ' + number(viewBox.width()) + ' ' + number(viewBox.height()) +
            "\" preserveAspectRatio=\"none\"";
    root += tag.toUtf8();
    return svg.left(start) + root + svg.mid(end);
}

// ---- Windows metafiles ----

constexpr quint32 PlaceableKey = 0x9AC6CDD7;
constexpr qsizetype PlaceableBytes = 22;
constexpr qsizetype WmfHeaderBytes = 18;

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

// Whether a device-independent bitmap at `at`, running to `end`, holds all the pixels its header
// promises. libwmf trusts these headers and can spin for ever on a damaged one.
bool dibIsSound(const QByteArray& d, qsizetype at, qsizetype end)
{
    if (end - at < 12)
        return false;
    const quint32 headerSize = u32(d, at);
    qint64 width, height, bits, compression = 0, colours = 0;
    if (headerSize == 12) {
        width = u16(d, at + 4);
        height = u16(d, at + 6);
        bits = u16(d, at + 10);
    } else if (headerSize >= 40 && headerSize <= 124 && end - at >= qsizetype(headerSize)) {
        width = s32(d, at + 4);
        height = std::abs(qint64(s32(d, at + 8)));
        bits = u16(d, at + 14);
        compression = u32(d, at + 16);
        colours = u32(d, at + 32);
    } else {
        return false;
    }
    if (width < 1 || height < 1 || width * height > 64LL * 1024 * 1024)
        return false;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return false;
    if (bits <= 8) {
        if (colours == 0)
            colours = 1LL << bits;
        if (colours > (1LL << bits))
            return false;
    } else if (colours > 256) {
        return false;
    }
    qint64 bytes = headerSize + colours * (headerSize == 12 ? 3 : 4);
    switch (compression) {
    case 3: // bit fields
        bytes += 12;
        [[fallthrough]];
    case 0:
        bytes += (width * bits + 31) / 32 * 4 * height;
        break;
    case 1: // RLE8
    case 2: // RLE4
        bytes += 2;
        break;
    default:
        return false;
    }
    return bytes <= end - at;
}

// Records that carry a bitmap must carry all of it.
bool recordIsSound(const QByteArray& d, qsizetype at, qsizetype bytes, quint16 function)
{
    const qsizetype end = at + bytes;
    // Without a bitmap these records are exactly (function >> 8) + 3 words long.
    const bool hasBitmap = bytes / 2 != (function >> 8) + 3;
    switch (function) {
    case 0x0F43: // StretchDib
        return dibIsSound(d, at + 28, end);
    case 0x0B41: // DibStretchBlt
        return !hasBitmap || dibIsSound(d, at + 26, end);
    case 0x0940: // DibBitBlt
        return !hasBitmap || dibIsSound(d, at + 22, end);
    case 0x0D33: // SetDibToDev
        return dibIsSound(d, at + 24, end);
    case 0x0142: // DibCreatePatternBrush
        return bytes < 10 || u16(d, at + 6) == 3 || dibIsSound(d, at + 10, end);
    default:
        return true;
    }
}

struct WmfLayout
{
    qsizetype headerAt = 0; // the standard header follows the placeable one, if any
    bool placeable = false;
    int left = 0, top = 0, right = 0, bottom = 0, unitsPerInch = 0;
    QByteArray mapping; // records that set up the coordinates before anything is drawn
    bool hasWindow = false;
    int windowX = 0, windowY = 0, windowW = 0, windowH = 0;
    quint32 largestRecordWords = 3;
    qsizetype recordsEnd = 0; // where the end record is, or the end of the data without one
};

// Walks the whole record chain, so that libwmf is only given metafiles whose records all fit.
std::variant<WmfLayout, Failure> readWmfLayout(const QByteArray& d)
{
    WmfLayout l;
    if (d.size() >= PlaceableBytes && u32(d, 0) == PlaceableKey) {
        l.placeable = true;
        l.left = s16(d, 6);
        l.top = s16(d, 8);
        l.right = s16(d, 10);
        l.bottom = s16(d, 12);
        l.unitsPerInch = u16(d, 14);
        l.headerAt = PlaceableBytes;
    }
    if (d.size() < l.headerAt + WmfHeaderBytes)
        return unreadable();
    const quint16 type = u16(d, l.headerAt);
    if ((type != 1 && type != 2) || u16(d, l.headerAt + 2) != 9)
        return unreadable();

    bool drawn = false;
    qsizetype pos = l.headerAt + WmfHeaderBytes;
    while (pos < d.size()) {
        if (d.size() - pos < 6)
            return unreadable(QStringLiteral("cut short"));
        const quint32 words = u32(d, pos);
        const quint16 function = u16(d, pos + 4);
        if (words < 3 || words > quint64(d.size() - pos) / 2)
            return unreadable(QStringLiteral("damaged record"));
        l.largestRecordWords = std::max(l.largestRecordWords, words);
        const qsizetype bytes = qsizetype(words) * 2;
        if (function == EndOfFile)
            break;
        if (!recordIsSound(d, pos, bytes, function))
            return unreadable(QStringLiteral("damaged bitmap"));
        if (!drawn && setsMapping(function)) {
            l.mapping += d.mid(pos, bytes);
            if ((function == SetWindowOrg || function == SetWindowExt) && words >= 5) {
                const int y = s16(d, pos + 6);
                const int x = s16(d, pos + 8);
                if (function == SetWindowOrg) {
                    l.windowX = x;
                    l.windowY = y;
                } else {
                    l.windowW = x;
                    l.windowH = y;
                    l.hasWindow = true;
                }
            }
        } else if (draws(function)) {
            drawn = true;
        }
        pos += bytes;
    }
    l.recordsEnd = pos;
    return l;
}

// Header and records as libwmf gets them: sizes in the header made true, an end record ensured.
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

// PatBlt records covering a rectangle in logical units; pieces keep each side within 16 bits.
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

struct SvgSink
{
    QByteArray text;
    bool overflow = false;
};

int sinkPut(char* s, void* context)
{
    auto* sink = static_cast<SvgSink*>(context);
    const qsizetype n = qsizetype(std::strlen(s));
    if (sink->overflow || sink->text.size() + n > MaxSvgBytes) {
        sink->overflow = true;
        return EOF;
    }
    sink->text.append(s, n);
    return 0;
}

int sinkReset(void* context)
{
    static_cast<SvgSink*>(context)->text.clear();
    return 0;
}

int stopWhenTooLong(void* context, float)
{
    return static_cast<QElapsedTimer*>(context)->hasExpired(PlayTimeLimitMs) ? 1 : 0;
}

// One libwmf session over a metafile held in memory; the bytes must outlive it.
class WmfSession
{
public:
    explicit WmfSession(QByteArray& bytes)
    {
        wmfAPI_Options options;
        std::memset(&options, 0, sizeof options);
        options.function = wmf_svg_function;
        const unsigned long flags =
            WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
        if (wmf_api_create(&api_, flags, &options) != wmf_E_None)
            return;
        timer_.start();
        wmf_status_function(api_, &timer_, stopWhenTooLong);
        opened_ = wmf_mem_open(api_, reinterpret_cast<unsigned char*>(bytes.data()),
                               long(bytes.size())) == wmf_E_None;
    }
    ~WmfSession()
    {
        if (opened_)
            wmf_mem_close(api_);
        if (api_)
            wmf_api_destroy(api_);
    }
    WmfSession(const WmfSession&) = delete;
    WmfSession& operator=(const WmfSession&) = delete;

    wmfAPI* api() const { return opened_ ? api_ : nullptr; }

private:
    wmfAPI* api_ = nullptr;
    bool opened_ = false;
    QElapsedTimer timer_;
};

// Where libwmf's device coordinates put the frame, found by letting it scan a copy of the
// metafile's own mapping records followed by a fill of exactly the frame.
std::optional<QRectF> deviceFrame(const QByteArray& d, const WmfLayout& l, int x0, int y0, int x1,
                                  int y1)
{
    QByteArray probe = wmfWithRecords(d, l, l.mapping + patBlts(x0, y0, x1, y1),
                                      std::max<quint32>(l.largestRecordWords, 9));
    WmfSession session(probe);
    if (!session.api())
        return std::nullopt;
    wmfD_Rect box{};
    if (wmf_scan(session.api(), 0, &box) != wmf_E_None)
        return std::nullopt;
    const QRectF frame(QPointF(box.TL.x, box.TL.y), QPointF(box.BR.x, box.BR.y));
    if (!(frame.width() > 0 && frame.height() > 0))
        return std::nullopt;
    return frame;
}

// libwmf writes the metafile's text as it finds it: in the Windows code page, with no escaping.
QString fromWindows1252(const QByteArray& bytes)
{
    static const char16_t high[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes) {
        const uchar b = uchar(c);
        *out++ = (b >= 0x80 && b < 0xA0) ? QChar(high[b - 0x80]) : QChar(b);
    }
    return text;
}

// Makes libwmf's output well-formed: text content escaped and free of control characters, and
// embedded pictures without the meaningless transform libwmf gives them (their x, y, width and
// height alone place them).
QByteArray tidiedLibwmfSvg(const QByteArray& raw)
{
    const QString svg = fromWindows1252(raw);
    QString out;
    out.reserve(svg.size() + svg.size() / 16);
    static const QRegularExpression imageTransform(
        QStringLiteral(R"(^(<image\b[^>]*?)\s+transform\s*=\s*"[^"]*")"));
    qsizetype at = 0;
    while (at < svg.size()) {
        const qsizetype tag = svg.indexOf(u'<', at);
        if (tag < 0) {
            out += QStringView(svg).mid(at);
            break;
        }
        out += QStringView(svg).mid(at, tag - at);
        const qsizetype tagEnd = svg.indexOf(u'>', tag);
        if (tagEnd < 0) {
            out += QStringView(svg).mid(tag);
            break;
        }
        QString element = svg.mid(tag, tagEnd + 1 - tag);
        if (element.startsWith(u"<image"))
            element.replace(imageTransform, QStringLiteral("\\1"));
        out += element;
        at = tagEnd + 1;
        if (!element.startsWith(u"<text"))
            continue;
        const qsizetype close = svg.indexOf(u"</text>", at);
        if (close < 0)
            continue;
        for (const QChar c : QStringView(svg).mid(at, close - at)) {
            if (c == u'&')
                out += u"&amp;";
            else if (c == u'<')
                out += u"&lt;";
            else if (c == u'>')
                out += u"&gt;";
            else if (c.unicode() >= 0x20 || c == u'\t' || c == u'\n' || c == u'\r')
                out += c;
        }
        at = close;
    }
    return out.toUtf8();
}

} // namespace

Result wmfToSvg(const QByteArray& data)
{
    if (data.size() > MaxFileBytes)
        return tooBigFile(data.size());
    auto layoutOrFailure = readWmfLayout(data);
    if (auto* failure = std::get_if<Failure>(&layoutOrFailure))
        return *failure;
    const WmfLayout& l = std::get<WmfLayout>(layoutOrFailure);

    int x0, y0, x1, y1, perInch;
    if (l.placeable) {
        if (l.unitsPerInch == 0)
            return unreadable(QStringLiteral("no units per inch"));
        x0 = std::min(l.left, l.right);
        x1 = std::max(l.left, l.right);
        y0 = std::min(l.top, l.bottom);
        y1 = std::max(l.top, l.bottom);
        perInch = l.unitsPerInch;
    } else {
        if (!l.hasWindow)
            return Failure{Failure::Kind::NoSize, QString()};
        x0 = std::min(l.windowX, l.windowX + l.windowW);
        x1 = std::max(l.windowX, l.windowX + l.windowW);
        y0 = std::min(l.windowY, l.windowY + l.windowH);
        y1 = std::max(l.windowY, l.windowY + l.windowH);
        perInch = PlainWmfUnitsPerInch;
        if (x0 < -32768 || y0 < -32768 || x1 > 32767 || y1 > 32767)
            return unreadable(QStringLiteral("its window lies outside its coordinates"));
    }
    const QSize natural(int(std::min<qint64>(ToHimetric(x1 - x0, perInch), INT_MAX)),
                        int(std::min<qint64>(ToHimetric(y1 - y0, perInch), INT_MAX)));
    if (auto failure = checkFrameSize(natural.width(), natural.height()))
        return *failure;

    const std::lock_guard lock(converterMutex());
    const auto frame = deviceFrame(data, l, x0, y0, x1, y1);
    if (!frame)
        return unreadable();

    const qsizetype firstRecord = l.headerAt + WmfHeaderBytes;
    QByteArray playable = wmfWithRecords(data, l, data.mid(firstRecord, l.recordsEnd - firstRecord),
                                         l.largestRecordWords);
    SvgSink sink;
    wmfStream stream{&sink, sinkPut, sinkReset};
    wmf_error_t error = wmf_E_Glitch;
    {
        WmfSession session(playable);
        if (!session.api())
            return unreadable();
        wmfD_Rect box{};
        error = wmf_scan(session.api(), 0, &box);
        if (error == wmf_E_None) {
            wmf_svg_t* device = WMF_SVG_GetData(session.api());
            device->out = &stream;
            device->Description = nullptr;
            device->bbox.TL.x = float(frame->left());
            device->bbox.TL.y = float(frame->top());
            device->bbox.BR.x = float(frame->right());
            device->bbox.BR.y = float(frame->bottom());
            device->width = unsigned(natural.width());
            device->height = unsigned(natural.height());
            device->flags |= WMF_SVG_INLINE_IMAGES;
            error = wmf_play(session.api(), 0, &box);
        }
    } // the SVG is only complete once the session has ended
    if (error == wmf_E_UserExit)
        return unreadable(QStringLiteral("took too long to draw"));
    if (error != wmf_E_None)
        return unreadable();
    if (sink.overflow)
        return Failure{Failure::Kind::TooLarge, QStringLiteral("too much drawing")};

    QByteArray svg = withFrame(tidiedLibwmfSvg(sink.text),
                               QRectF(0, 0, natural.width(), natural.height()), natural);
    if (svg.isEmpty())
        return unreadable();
    return Converted{svg, natural};
}

// ---- Enhanced metafiles ----

Result emfToSvg(const QByteArray& data)
{
    constexpr qsizetype HeaderBytes = 88;
    constexpr quint32 HeaderRecord = 1;
    constexpr quint32 EndRecord = 14;
    constexpr quint32 Signature = 0x464D4520; // " EMF"

    if (data.size() > MaxFileBytes)
        return tooBigFile(data.size());
    if (data.size() < HeaderBytes || u32(data, 0) != HeaderRecord || u32(data, 40) != Signature)
        return unreadable();
    const quint32 headerSize = u32(data, 4);
    if (headerSize < HeaderBytes || headerSize % 4 != 0 || headerSize > quint64(data.size()))
        return unreadable();

    // Every record must fit, up to the end record.
    qsizetype end = 0;
    bool ended = false;
    while (end < data.size()) {
        if (data.size() - end < 8)
            break;
        const quint32 type = u32(data, end);
        const quint32 size = u32(data, end + 4);
        if (size < 8 || size % 4 != 0 || size > quint64(data.size() - end))
            return unreadable(QStringLiteral("damaged record"));
        end += size;
        if (type == EndRecord) {
            ended = true;
            break;
        }
    }
    if (!ended)
        return unreadable(QStringLiteral("cut short"));

    const qint64 boundsLeft = s32(data, 8);
    const qint64 boundsTop = s32(data, 12);
    const qint64 frameLeft = s32(data, 24);
    const qint64 frameTop = s32(data, 28);
    const qint64 frameW = qint64(s32(data, 32)) - frameLeft;
    const qint64 frameH = qint64(s32(data, 36)) - frameTop;
    if (auto failure = checkFrameSize(frameW, frameH))
        return *failure;
    const QSize natural{int(frameW), int(frameH)};

    // Device pixels per 0.01 mm of the reference device the metafile was made on.
    const qint64 deviceW = s32(data, 72);
    const qint64 deviceH = s32(data, 76);
    double himetricW = double(s32(data, 80)) * 100;
    double himetricH = double(s32(data, 84)) * 100;
    if (headerSize >= 108 && s32(data, 100) > 0 && s32(data, 104) > 0) {
        himetricW = double(s32(data, 100)) / 10;
        himetricH = double(s32(data, 104)) / 10;
    }
    if (deviceW <= 0 || deviceH <= 0 || !(himetricW > 0) || !(himetricH > 0))
        return unreadable(QStringLiteral("no reference device"));
    const double sx = double(deviceW) / himetricW;
    const double sy = double(deviceH) / himetricH;
    // libemf2svg draws in device pixels, moved so that the bounds' corner is the origin.
    const QRectF viewBox(double(frameLeft) * sx - double(boundsLeft),
                         double(frameTop) * sy - double(boundsTop), double(frameW) * sx,
                         double(frameH) * sy);

    QByteArray records = data.left(end);
    char noNamespace[] = "";
    generatorOptions options{};
    options.nameSpace = noNamespace;
    options.verbose = false;
    options.emfplus = true;
    options.svgDelimiter = true;
    options.imgWidth = 0;
    options.imgHeight = 0;
    char* out = nullptr;
    size_t outLength = 0;
    int ok = 0;
    {
        const std::lock_guard lock(converterMutex());
        ok = emf2svg(records.data(), size_t(records.size()), &out, &outLength, &options);
    }
    QByteArray svg;
    if (ok == 1 && out && outLength > 0 && outLength <= size_t(MaxSvgBytes))
        svg = QByteArray(out, qsizetype(outLength));
    std::free(out);
    if (svg.isEmpty())
        return unreadable();

    svg = withFrame(svg, viewBox, natural);
    if (svg.isEmpty())
        return unreadable();
    return Converted{svg, natural};
}

} // namespace quenbrook::MetafileToSvg
