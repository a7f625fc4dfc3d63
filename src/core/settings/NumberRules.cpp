// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/settings/NumberRules.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace quenbrook {
namespace {

bool isSkipped(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

int digitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return 99;
}

double integerInBase(const std::string& text, size_t from, int base)
{
    double value = 0;
    for (size_t i = from; i < text.size(); ++i) {
        const int digit = digitValue(text[i]);
        if (digit >= base)
            break;
        value = value * base + digit;
    }
    return value;
}

// strtod in the C locale, whatever locale the application runs in.
double parseCDouble(const std::string& text)
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return strtod_l(text.c_str(), nullptr, cLocale);
}

// Decimal digits and decimal exponent of a finite, non-zero value rounded to `digits` places.
struct Decimal
{
    std::string digits; // no trailing zeros
    int exponent = 0;   // value = 0.d1d2d3... x 10^(exponent + 1), i.e. d1.d2d3 x 10^exponent
};

// std::to_chars writes "." whatever the process locale says (printf would write its comma).
Decimal toDecimal(double magnitude, int digits)
{
    char buffer[64];
    const char* const end = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                          std::chars_format::scientific, digits - 1)
                                .ptr;
    const char* const e = std::find(static_cast<const char*>(buffer), end, 'e');
    Decimal d;
    for (const char* c = buffer; c != e; ++c) {
        if (*c != '.')
            d.digits += *c;
    }
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    // The exponent's sign is always written; from_chars takes only a minus.
    const char* const exponent = e + (e[1] == '+' ? 2 : 1);
    std::from_chars(exponent, end, d.exponent);
    return d;
}

template <typename T> T readBack(const Decimal& d)
{
    std::string text = "0.";
    text += d.digits;
    text += 'e';
    text += std::to_string(d.exponent + 1);
    return static_cast<T>(parseCDouble(text));
}

// The first `digits` digits of the magnitude, cut rather than rounded.
Decimal truncatedDecimal(double magnitude, int digits)
{
    Decimal d = toDecimal(magnitude, 25);
    d.digits.resize(std::min<size_t>(d.digits.size(), static_cast<size_t>(digits)));
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    return d;
}

template <typename T> QString shortestText(T value, int maxDigits)
{
    if (!std::isfinite(value) || value == 0)
        return QStringLiteral("0");
    const double magnitude = std::fabs(static_cast<double>(value));
    Decimal d;
    for (int digits = 1; digits <= maxDigits; ++digits) {
        d = toDecimal(magnitude, digits);
        if (readBack<T>(d) == std::fabs(value))
            break;
    }
    // Next to the largest value, rounding up would read back as infinity.
    if (std::isinf(readBack<T>(d)))
        d = truncatedDecimal(magnitude, maxDigits);

    // Built by appending only: GCC 12 at -O3 takes "literal" + std::string for overlapping copies.
    std::string text = value < 0 ? "-" : "";
    const size_t n = d.digits.size();
    if (d.exponent < -4 || d.exponent >= maxDigits) {
        text += d.digits.front();
        if (n > 1) {
            text += '.';
            text.append(d.digits, 1);
        }
        const int power = std::abs(d.exponent);
        text += d.exponent < 0 ? "E-" : "E+";
        if (power < 10)
            text += '0';
        text += std::to_string(power);
    } else if (d.exponent < 0) {
        text += "0.";
        text.append(static_cast<size_t>(-d.exponent - 1), '0');
        text += d.digits;
    } else if (n <= static_cast<size_t>(d.exponent) + 1) {
        text += d.digits;
        text.append(static_cast<size_t>(d.exponent) + 1 - n, '0');
    } else {
        const size_t point = static_cast<size_t>(d.exponent) + 1;
        text.append(d.digits, 0, point);
        text += '.';
        text.append(d.digits, point);
    }
    return QString::fromLatin1(text.c_str());
}

struct Scan
{
    double value = 0;
    bool whole = false; // the number took up all of the text
};

Scan scanNumber(const QString& text)
{
    std::string s;
    s.reserve(static_cast<size_t>(text.size()));
    for (QChar c : text) {
        if (isSkipped(c))
            continue;
        // Characters outside ASCII cannot be part of a number; they end it.
        s += c.unicode() < 0x80 ? static_cast<char>(c.toLower().unicode()) : '\x01';
    }
    const auto isDigit = [&s](size_t i) {
        return i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]));
    };

    if (s.size() >= 2 && s[0] == '&' && (s[1] == 'h' || s[1] == 'o')) {
        const int base = s[1] == 'h' ? 16 : 8;
        size_t end = 2;
        while (end < s.size() && digitValue(s[end]) < base)
            ++end;
        return {integerInBase(s, 2, base), end > 2 && end == s.size()};
    }

    // Longest prefix of the form [sign] digits [. digits] [(e|d) [sign] digits].
    std::string number;
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        number += s[i++];
    bool anyDigit = false;
    while (isDigit(i)) {
        number += s[i++];
        anyDigit = true;
    }
    if (i < s.size() && s[i] == '.') {
        number += s[i++];
        while (isDigit(i)) {
            number += s[i++];
            anyDigit = true;
        }
    }
    if (!anyDigit)
        return {};
    if (i < s.size() && (s[i] == 'e' || s[i] == 'd')) {
        std::string exponent = "e";
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            exponent += s[j++];
        const size_t firstDigit = j;
        while (isDigit(j))
            exponent += s[j++];
        if (j > firstDigit) {
            number += exponent;
            i = j;
        }
    }
    return {parseCDouble(number), i == s.size()};
}

} // namespace

double NumericValue(const QString& text)
{
    return scanNumber(text).value;
}

bool IsNumericText(const QString& text)
{
    return scanNumber(text).whole;
}

QString NumberText(float value)
{
    return shortestText(value, 7);
}

QString NumberText(double value)
{
    return shortestText(value, 15);
}

QString NumberTextNoLeadingZero(float value)
{
    QString text = NumberText(value);
    if (text.startsWith(QLatin1String("0.")))
        text.remove(0, 1);
    else if (text.startsWith(QLatin1String("-0.")))
        text.remove(1, 1);
    return text;
}

QString BooleanText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

} // namespace quenbrook
