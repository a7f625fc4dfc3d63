// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/pictures/MetafileToSvg.h"

#include "core/pictures/MetafileShared.h"
#include "core/pictures/SvgBounds.h"
#include "core/pictures/WmfRecords.h"
#include "core/program/Units.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <libwmf/api.h>
#include <libwmf/svg.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>

namespace quenbrook::MetafileToSvg {
namespace {

struct SvgSink
{
    QByteArray text;
    bool overflow = false;
};

int sinkPut(char* s, void* context)
{
    auto* sink = static_cast<SvgSink*>(context);
    const qsizetype n = qsizetype(std::strlen(s));
    // Text beyond the limit is dropped rather than refused: libwmf does not survive a refusal.
    if (sink->overflow || sink->text.size() + n > MaxSvgBytes) {
        sink->overflow = true;
        return 0;
    }
    sink->text.append(s, n);
    return 0;
}

int sinkReset(void* context)
{
    static_cast<SvgSink*>(context)->text.clear();
    return 0;
}

struct PlayWatch
{
    const LoadStop* stop = nullptr;
    bool stopped = false;
};

// libwmf asks after every record it plays whether to go on (not while it scans). The time it
// takes is bounded by the helper that runs the conversion.
int stopWhenAsked(void* context, float)
{
    auto* watch = static_cast<PlayWatch*>(context);
    watch->stopped = stopRaised(watch->stop);
    return watch->stopped ? 1 : 0;
}

// One libwmf session over a metafile held in memory; the bytes must outlive it.
class WmfSession
{
public:
    WmfSession(QByteArray& bytes, const LoadStop* stop)
    {
        watch_.stop = stop;
        wmfAPI_Options options;
        std::memset(&options, 0, sizeof options);
        options.function = wmf_svg_function;
        const unsigned long flags =
            WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
        if (wmf_api_create(&api_, flags, &options) != wmf_E_None)
            return;
        wmf_status_function(api_, &watch_, stopWhenAsked);
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
    bool stopped() const { return watch_.stopped; }

private:
    wmfAPI* api_ = nullptr;
    bool opened_ = false;
    PlayWatch watch_;
};

// Where libwmf's device coordinates put the frame, found by letting it scan a copy of the
// metafile's own mapping records followed by a fill of exactly the frame.
std::optional<QRectF> deviceFrame(const QByteArray& d, const WmfLayout& l, int x0, int y0, int x1,
                                  int y1, const LoadStop* stop)
{
    QByteArray probe = wmfWithRecords(d, l, l.mapping + patBlts(x0, y0, x1, y1),
                                      std::max<quint32>(l.largestRecordWords, 9));
    WmfSession session(probe, stop);
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

// The frame in the metafile's logical units, and how many of them make an inch.
struct LogicalFrame
{
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0, perInch = 0;
};

// The placeable header gives the frame; a plain metafile's window is taken in twips.
std::variant<LogicalFrame, Failure> logicalFrame(const WmfLayout& l)
{
    LogicalFrame f;
    if (l.placeable) {
        if (l.unitsPerInch == 0)
            return unreadable(QCoreApplication::translate("PictureLoader", "no units per inch"));
        f.x0 = std::min(l.left, l.right);
        f.x1 = std::max(l.left, l.right);
        f.y0 = std::min(l.top, l.bottom);
        f.y1 = std::max(l.top, l.bottom);
        f.perInch = l.unitsPerInch;
        return f;
    }
    if (!l.hasWindow)
        return Failure{Failure::Kind::NoSize, QString()};
    f.x0 = std::min(l.windowX, l.windowX + l.windowW);
    f.x1 = std::max(l.windowX, l.windowX + l.windowW);
    f.y0 = std::min(l.windowY, l.windowY + l.windowH);
    f.y1 = std::max(l.windowY, l.windowY + l.windowH);
    f.perInch = PlainWmfUnitsPerInch;
    if (f.x0 < -32768 || f.y0 < -32768 || f.x1 > 32767 || f.y1 > 32767)
        return unreadable(QCoreApplication::translate("PictureLoader",
                                                      "its window lies outside its coordinates"));
    return f;
}

// Plays the metafile's records through libwmf's SVG device, the frame mapped onto the natural
// size. The SVG as libwmf writes it, or why there is none.
std::variant<QByteArray, Failure> playToSvg(const QByteArray& data, const WmfLayout& l,
                                            const QRectF& frame, QSize natural,
                                            const LoadStop* stop)
{
    const qsizetype firstRecord = l.headerAt + WmfHeaderBytes;
    QByteArray playable = wmfWithRecords(data, l, data.mid(firstRecord, l.recordsEnd - firstRecord),
                                         l.largestRecordWords);
    SvgSink sink;
    wmfStream stream{&sink, sinkPut, sinkReset};
    wmf_error_t error = wmf_E_Glitch;
    bool stopped = false;
    {
        WmfSession session(playable, stop);
        if (!session.api())
            return unreadable();
        wmfD_Rect box{};
        error = wmf_scan(session.api(), 0, &box);
        if (error == wmf_E_None) {
            wmf_svg_t* device = WMF_SVG_GetData(session.api());
            device->out = &stream;
            device->Description = nullptr;
            device->bbox.TL.x = float(frame.left());
            device->bbox.TL.y = float(frame.top());
            device->bbox.BR.x = float(frame.right());
            device->bbox.BR.y = float(frame.bottom());
            device->width = unsigned(natural.width());
            device->height = unsigned(natural.height());
            device->flags |= WMF_SVG_INLINE_IMAGES;
            error = wmf_play(session.api(), 0, &box);
        }
        stopped = session.stopped();
    } // the SVG is only complete once the session has ended
    if (stopped || stopRaised(stop))
        return Failure{Failure::Kind::Stopped, QString()};
    if (error != wmf_E_None)
        return unreadable();
    if (sink.overflow)
        return Failure{Failure::Kind::TooLarge,
                       QCoreApplication::translate("PictureLoader", "too much drawing")};
    return std::move(sink.text);
}

} // namespace

Result wmfToSvg(const QByteArray& data, const LoadStop* stop)
{
    if (data.size() > MaxFileBytes)
        return tooBigFile(data.size());
    auto layoutOrFailure = readWmfLayout(data);
    if (auto* failure = std::get_if<Failure>(&layoutOrFailure))
        return *failure;
    const WmfLayout& l = std::get<WmfLayout>(layoutOrFailure);
    const auto frameOrFailure = logicalFrame(l);
    if (const auto* failure = std::get_if<Failure>(&frameOrFailure))
        return *failure;
    const LogicalFrame& f = std::get<LogicalFrame>(frameOrFailure);

    const QSize natural(int(std::min<qint64>(ToHimetric(f.x1 - f.x0, f.perInch), INT_MAX)),
                        int(std::min<qint64>(ToHimetric(f.y1 - f.y0, f.perInch), INT_MAX)));
    if (auto failure = checkFrameSize(natural.width(), natural.height()))
        return *failure;

    const ConverterTurn turn;
    const auto frame = deviceFrame(data, l, f.x0, f.y0, f.x1, f.y1, stop);
    if (!frame && stopRaised(stop))
        return Failure{Failure::Kind::Stopped, QString()};
    if (!frame)
        return unreadable();

    auto played = playToSvg(data, l, *frame, natural, stop);
    if (const auto* failure = std::get_if<Failure>(&played))
        return *failure;
    QByteArray svg = tidiedLibwmfSvg(std::get<QByteArray>(played));
    played = QByteArray();
    return framed(std::move(svg), QRectF(0, 0, natural.width(), natural.height()), natural);
}

} // namespace quenbrook::MetafileToSvg
