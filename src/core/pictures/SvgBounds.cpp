// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/pictures/SvgBounds.h"

#include <QCoreApplication>
#include <QList>

#include <algorithm>
#include <cctype>
#include <cmath>

namespace quenbrook::MetafileToSvg {
namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Where the number starting at `at` ends, or `at` when none starts there.
qsizetype numberEnd(const QByteArray& s, qsizetype at, qsizetype end)
{
    qsizetype i = at;
    if (i < end && (s[i] == '-' || s[i] == '+'))
        ++i;
    const qsizetype digits = i;
    while (i < end && isDigit(s[i]))
        ++i;
    if (i < end && s[i] == '.') {
        ++i;
        while (i < end && isDigit(s[i]))
            ++i;
    }
    if (i == digits || (i == digits + 1 && s[digits] == '.'))
        return at;
    if (i < end && (s[i] == 'e' || s[i] == 'E')) {
        qsizetype e = i + 1;
        if (e < end && (s[e] == '-' || s[e] == '+'))
            ++e;
        if (e < end && isDigit(s[e])) {
            while (e < end && isDigit(s[e]))
                ++e;
            i = e;
        }
    }
    return i;
}

// The numbers of one attribute value, clamped to ±bound; colours (#hex, rgb()) and names with
// digits in them are left alone.
QByteArray clampedValue(const QByteArray& s, qsizetype from, qsizetype to, double bound)
{
    QByteArray out;
    out.reserve(to - from);
    qsizetype i = from;
    while (i < to) {
        const char c = s[i];
        const char before = i > from ? s[i - 1] : ' ';
        if (c == '#' || (s.mid(i, 4) == "rgb(")) {
            const qsizetype stop = c == '#' ? i + 1 : s.indexOf(')', i);
            qsizetype j = c == '#' ? stop : (stop < 0 || stop > to ? to : stop);
            while (c == '#' && j < to && std::isxdigit(uchar(s[j])))
                ++j;
            out += s.mid(i, j - i);
            i = j;
            continue;
        }
        const bool partOfWord = std::isalnum(uchar(before)) || before == '_' || before == '.';
        const qsizetype end = partOfWord ? i : numberEnd(s, i, to);
        if (end == i) {
            out += c;
            ++i;
            continue;
        }
        const QByteArray text = s.mid(i, end - i);
        const double v = text.toDouble();
        if (std::fabs(v) > bound)
            out += QByteArray::number(std::copysign(bound, v), 'f', 4);
        else
            out += text;
        i = end;
    }
    return out;
}

// The most a transform value (matrix, scale) stretches what it holds; 1 for none.
double stretchOf(const QByteArray& value)
{
    double stretch = 1;
    for (const char* kind : {"matrix(", "scale("}) {
        for (qsizetype at = value.indexOf(kind); at >= 0; at = value.indexOf(kind, at + 1)) {
            const qsizetype close = value.indexOf(')', at);
            const QByteArray args = value.mid(at + qstrlen(kind), close < 0 ? -1 : close - at);
            QList<double> numbers;
            for (qsizetype i = 0; i < args.size();) {
                const qsizetype end = numberEnd(args, i, args.size());
                if (end == i) {
                    ++i;
                    continue;
                }
                numbers << args.mid(i, end - i).toDouble();
                i = end;
            }
            const qsizetype linear = kind[0] == 'm' ? 4 : 2;
            double sum = 0;
            for (qsizetype n = 0; n < std::min(linear, numbers.size()); ++n)
                sum += std::fabs(numbers[n]);
            stretch = std::max(stretch, sum);
        }
    }
    return stretch;
}

// The name of the attribute whose '=' is at `eq`, looked for no further back than `from`.
QByteArray attributeName(const QByteArray& svg, qsizetype from, qsizetype eq)
{
    qsizetype nameStart = eq;
    while (nameStart > from && !std::isspace(uchar(svg[nameStart - 1])))
        --nameStart;
    return svg.mid(nameStart, eq - nameStart).trimmed();
}

// The bound for numbers outside every group: the frame's far corner and some frames beyond.
double outerBoundOf(const QRectF& viewBox)
{
    const double reach = ReachInFrames * std::max(viewBox.width(), viewBox.height());
    const double corner = std::max({std::fabs(viewBox.left()), std::fabs(viewBox.top()),
                                    std::fabs(viewBox.right()), std::fabs(viewBox.bottom())});
    // Never so tight that colour or weight numbers of small frames are touched.
    return std::max(corner + reach, 1000.0);
}

// Copies SVG text tag by tag, clamping the numbers of each attribute to the bound of the group
// it sits in.
class FrameKeeper
{
public:
    FrameKeeper(const QByteArray& svg, double outerBound)
        : svg_(svg)
        , outerBound_(outerBound)
    {
        out_.reserve(svg.size());
    }

    std::optional<Failure> copy();
    QByteArray takeResult() { return std::move(out_); }

private:
    // An opening tag being copied: `at` walks its attributes up to `close`, its '>'.
    struct Tag
    {
        qsizetype at;
        qsizetype close;
        double bound;
        double inner; // the bound inside it, should it open a group
    };

    void copyClosingTag(qsizetype open, qsizetype close);
    std::optional<Failure> copyOpeningTag(qsizetype open, qsizetype& close);
    std::optional<Failure> copyAttribute(Tag& tag, qsizetype eq);
    std::optional<Failure> copyValue(const QByteArray& name, qsizetype from, qsizetype to,
                                     Tag& tag);
    void copyRestOfTag(Tag& tag);

    const QByteArray& svg_;
    const double outerBound_;
    QByteArray out_;
    // The bound inside each open group, shrunk by the stretch of the groups' transforms.
    QList<double> groups_;
};

std::optional<Failure> FrameKeeper::copy()
{
    qsizetype at = 0;
    while (at < svg_.size()) {
        const qsizetype open = svg_.indexOf('<', at);
        if (open < 0) {
            out_ += svg_.mid(at);
            break;
        }
        out_ += svg_.mid(at, open - at);
        qsizetype close = svg_.indexOf('>', open);
        if (close < 0) {
            out_ += svg_.mid(open);
            break;
        }
        if (open + 1 < svg_.size() && svg_[open + 1] == '/')
            copyClosingTag(open, close);
        else if (auto failure = copyOpeningTag(open, close))
            return failure;
        at = close + 1;
    }
    return std::nullopt;
}

void FrameKeeper::copyClosingTag(qsizetype open, qsizetype close)
{
    if (svg_.mid(open, 4) == "</g>" && !groups_.isEmpty())
        groups_.removeLast();
    out_ += svg_.mid(open, close + 1 - open);
}

// `close` moves on when a quoted value holds a '>'.
std::optional<Failure> FrameKeeper::copyOpeningTag(qsizetype open, qsizetype& close)
{
    const bool group = svg_.mid(open, 3) == "<g " || svg_.mid(open, 3) == "<g>";
    const double bound = groups_.isEmpty() ? outerBound_ : groups_.last();
    Tag tag{open, close, bound, bound};
    // Attribute by attribute: name="value" or name='value'.
    while (tag.at < tag.close) {
        const qsizetype eq = svg_.indexOf('=', tag.at);
        if (eq < 0 || eq > tag.close) {
            copyRestOfTag(tag);
            break;
        }
        if (auto failure = copyAttribute(tag, eq))
            return failure;
    }
    copyRestOfTag(tag);
    close = tag.close;
    if (group && svg_[close - 1] != '/')
        groups_ << std::max(tag.inner, 1.0);
    return std::nullopt;
}

std::optional<Failure> FrameKeeper::copyAttribute(Tag& tag, qsizetype eq)
{
    qsizetype q = eq + 1;
    while (q < tag.close && (svg_[q] == ' ' || svg_[q] == '\t' || svg_[q] == '\n'))
        ++q;
    if (q >= tag.close || (svg_[q] != '"' && svg_[q] != '\'')) {
        out_ += svg_.mid(tag.at, q - tag.at);
        tag.at = q;
        return std::nullopt;
    }
    qsizetype valueEnd = svg_.indexOf(svg_[q], q + 1);
    if (valueEnd < 0)
        valueEnd = tag.close;
    if (valueEnd > tag.close) { // a '>' inside the value: the tag runs on
        const qsizetype further = svg_.indexOf('>', valueEnd);
        if (further < 0) {
            copyRestOfTag(tag);
            return std::nullopt;
        }
        tag.close = further;
    }
    const QByteArray name = attributeName(svg_, tag.at, eq);
    out_ += svg_.mid(tag.at, q + 1 - tag.at);
    if (auto failure = copyValue(name, q + 1, valueEnd, tag))
        return failure;
    tag.at = valueEnd;
    return std::nullopt;
}

std::optional<Failure> FrameKeeper::copyValue(const QByteArray& name, qsizetype from, qsizetype to,
                                              Tag& tag)
{
    if (name.endsWith("href")) {
        out_ += svg_.mid(from, to - from);
        return std::nullopt;
    }
    if (name == "transform") {
        const double stretch = stretchOf(svg_.mid(from, to - from));
        if (stretch > MaxTransformStretch)
            return Failure{
                Failure::Kind::TooLarge,
                QCoreApplication::translate("PictureLoader", "its drawing is stretched %1 times")
                    .arg(qint64(std::min(stretch, 1e15)))};
        tag.inner = tag.bound / stretch;
    }
    out_ += clampedValue(svg_, from, to, tag.bound);
    return std::nullopt;
}

// What is left of the tag, unchanged, up to and with its '>'.
void FrameKeeper::copyRestOfTag(Tag& tag)
{
    if (tag.at <= tag.close)
        out_ += svg_.mid(tag.at, tag.close + 1 - tag.at);
    tag.at = tag.close + 1;
}

} // namespace

std::optional<Failure> keepNearFrame(QByteArray& svg, const QRectF& viewBox)
{
    FrameKeeper keeper(svg, outerBoundOf(viewBox));
    if (auto failure = keeper.copy())
        return failure;
    svg = keeper.takeResult();
    return std::nullopt;
}

} // namespace quenbrook::MetafileToSvg
