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

} // namespace

std::optional<Failure> keepNearFrame(QByteArray& svg, const QRectF& viewBox)
{
    const double reach = ReachInFrames * std::max(viewBox.width(), viewBox.height());
    const double corner = std::max({std::fabs(viewBox.left()), std::fabs(viewBox.top()),
                                    std::fabs(viewBox.right()), std::fabs(viewBox.bottom())});
    // Never so tight that colour or weight numbers of small frames are touched.
    const double outerBound = std::max(corner + reach, 1000.0);

    QByteArray out;
    out.reserve(svg.size());
    // The bound inside each open group, shrunk by the stretch of the groups' transforms.
    QList<double> groups;
    qsizetype at = 0;
    while (at < svg.size()) {
        const qsizetype open = svg.indexOf('<', at);
        if (open < 0) {
            out += svg.mid(at);
            break;
        }
        out += svg.mid(at, open - at);
        qsizetype close = svg.indexOf('>', open);
        if (close < 0) {
            out += svg.mid(open);
            break;
        }
        const bool ending = open + 1 < svg.size() && svg[open + 1] == '/';
        const bool group = svg.mid(open, 3) == "<g " || svg.mid(open, 3) == "<g>";
        if (ending) {
            if (svg.mid(open, 4) == "</g>" && !groups.isEmpty())
                groups.removeLast();
            out += svg.mid(open, close + 1 - open);
            at = close + 1;
            continue;
        }
        double bound = groups.isEmpty() ? outerBound : groups.last();
        double inner = bound;
        // Attribute by attribute: name="value" or name='value'.
        qsizetype i = open;
        while (i < close) {
            const qsizetype eq = svg.indexOf('=', i);
            if (eq < 0 || eq > close) {
                out += svg.mid(i, close + 1 - i);
                i = close + 1;
                break;
            }
            qsizetype q = eq + 1;
            while (q < close && (svg[q] == ' ' || svg[q] == '\t' || svg[q] == '\n'))
                ++q;
            if (q >= close || (svg[q] != '"' && svg[q] != '\'')) {
                out += svg.mid(i, q - i);
                i = q;
                continue;
            }
            qsizetype valueEnd = svg.indexOf(svg[q], q + 1);
            if (valueEnd < 0)
                valueEnd = close;
            if (valueEnd > close) { // a '>' inside the value: the tag runs on
                const qsizetype further = svg.indexOf('>', valueEnd);
                if (further < 0)
                    break;
                close = further;
            }
            qsizetype nameStart = eq;
            while (nameStart > i && !std::isspace(uchar(svg[nameStart - 1])))
                --nameStart;
            const QByteArray name = svg.mid(nameStart, eq - nameStart).trimmed();
            out += svg.mid(i, q + 1 - i);
            if (name.endsWith("href")) {
                out += svg.mid(q + 1, valueEnd - q - 1);
            } else {
                if (name == "transform") {
                    const double stretch = stretchOf(svg.mid(q + 1, valueEnd - q - 1));
                    if (stretch > MaxTransformStretch)
                        return Failure{Failure::Kind::TooLarge,
                                       QCoreApplication::translate(
                                           "PictureLoader", "its drawing is stretched %1 times")
                                           .arg(qint64(std::min(stretch, 1e15)))};
                    inner = bound / stretch;
                }
                out += clampedValue(svg, q + 1, valueEnd, bound);
            }
            i = valueEnd;
        }
        if (i <= close)
            out += svg.mid(i, close + 1 - i);
        if (group && svg[close - 1] != '/')
            groups << std::max(inner, 1.0);
        at = close + 1;
    }
    svg = out;
    return std::nullopt;
}

} // namespace quenbrook::MetafileToSvg
