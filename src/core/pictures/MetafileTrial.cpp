// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/pictures/MetafileTrial.h"

#include "core/pictures/MetafileShared.h"
#include "core/program/Units.h"

#include <QIODevice>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgRenderer>

#include <algorithm>
#include <array>
#include <utility>

namespace quenbrook::MetafileToSvg {
namespace {

// The trial drawing's raster: the picture at screen resolution, its longer side at most this.
constexpr int TrialLongestSide = 1024;
// A refusal's reason is a few words.
constexpr qsizetype MaxDetailBytes = 1024;

constexpr QByteArrayView AnswerMark = "QBMF1 ";

// Swallows the printed trial.
class NullDevice : public QIODevice
{
public:
    NullDevice() { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 size) override { return size; }
};

QSize trialPixels(QSize himetric)
{
    const QSize natural(std::max(HimetricToPixels(himetric.width()), 1),
                        std::max(HimetricToPixels(himetric.height()), 1));
    if (natural.width() <= TrialLongestSide && natural.height() <= TrialLongestSide)
        return natural;
    return natural.scaled(TrialLongestSide, TrialLongestSide, Qt::KeepAspectRatio)
        .expandedTo(QSize(1, 1));
}

// On screen and on paper, the way the windows and a print job draw it: the raster pays for the
// glyphs' pixels, the PDF for laying out every glyph and embedding the fonts.
bool tryDrawing(const Converted& converted)
{
    QSvgRenderer renderer(converted.svg);
    if (!renderer.isValid())
        return false;
    QImage image(trialPixels(converted.naturalHimetric), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return false;
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        renderer.render(&painter, QRectF(QPointF(), image.size()));
    }
    NullDevice discard;
    QPdfWriter pdf(&discard);
    const QSizeF millimetres(converted.naturalHimetric.width() / 100.0,
                             converted.naturalHimetric.height() / 100.0);
    pdf.setPageSize(QPageSize(millimetres, QPageSize::Millimeter));
    pdf.setPageMargins(QMarginsF());
    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    renderer.render(&painter, QRectF(QPointF(), QSizeF(pdf.width(), pdf.height())));
    return painter.end();
}

constexpr std::array<std::pair<Failure::Kind, QByteArrayView>, 4> KindNames{{
    {Failure::Kind::Unreadable, "unreadable"},
    {Failure::Kind::NoSize, "nosize"},
    {Failure::Kind::TooLarge, "toolarge"},
    {Failure::Kind::Stopped, "stopped"},
}};

// A whole decimal number of 1 to 9 digits, no sign.
int smallNumber(QByteArrayView text)
{
    if (text.isEmpty() || text.size() > 9)
        return -1;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

Result convertAndTry(MetafileKind kind, const QByteArray& data)
{
    Result result = kind == MetafileKind::Windows ? wmfToSvg(data) : emfToSvg(data);
    if (const auto* converted = std::get_if<Converted>(&result);
        converted && !tryDrawing(*converted))
        return unreadable();
    return result;
}

QByteArray encodeAnswer(const Result& result)
{
    QByteArray answer = AnswerMark.toByteArray();
    if (const auto* converted = std::get_if<Converted>(&result)) {
        answer += "ok " + QByteArray::number(converted->naturalHimetric.width()) + ' ' +
                  QByteArray::number(converted->naturalHimetric.height()) + '\n';
        return answer + converted->svg;
    }
    const auto& failure = std::get<Failure>(result);
    for (const auto& [kind, name] : KindNames)
        if (kind == failure.kind)
            answer += name.toByteArray();
    return answer + '\n' + failure.detail.toUtf8().left(MaxDetailBytes);
}

Result decodeAnswer(QByteArrayView answer)
{
    const qsizetype lineEnd = answer.indexOf('\n');
    if (!answer.startsWith(AnswerMark) || lineEnd < 0)
        return unreadable();
    const QByteArrayView line = answer.sliced(AnswerMark.size(), lineEnd - AnswerMark.size());
    const QByteArrayView rest = answer.sliced(lineEnd + 1);
    if (line.startsWith("ok ")) {
        const QByteArrayView size = line.sliced(3);
        const qsizetype blank = size.indexOf(' ');
        const int w = blank < 0 ? -1 : smallNumber(size.first(blank));
        const int h = blank < 0 ? -1 : smallNumber(size.sliced(blank + 1));
        if (w < 1 || h < 1 || w > MaxFrameHimetric || h > MaxFrameHimetric || rest.isEmpty() ||
            rest.size() > MaxSvgBytes)
            return unreadable();
        return Converted{rest.toByteArray(), QSize(w, h)};
    }
    for (const auto& [kind, name] : KindNames) {
        if (line == name && rest.size() <= MaxDetailBytes)
            return Failure{kind, QString::fromUtf8(rest)};
    }
    return unreadable();
}

} // namespace quenbrook::MetafileToSvg
