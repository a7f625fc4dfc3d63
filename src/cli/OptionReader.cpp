// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/OptionReader.h"

#include "core/album/PaperSize.h"
#include "core/settings/NumberRules.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <cmath>
#include <limits>

namespace quenbrook {
namespace {

QString dashed(const QString& name)
{
    return QStringLiteral("--") + name;
}

using Unit = TypedLength::Unit;
constexpr SettingWord<Unit> unitWords[] = {
    {"in", Unit::Inch}, {"cm", Unit::Centimetre}, {"mm", Unit::Millimetre}};

} // namespace

QStringList PaperNames()
{
    QStringList names;
    for (int id = 0; id < QPageSize::LastPageSize; ++id) {
        const auto size = QPageSize::PageSizeId(id);
        if (size != QPageSize::Custom)
            names << QPageSize::key(size).section(QLatin1Char('.'), 0, 0);
    }
    names.removeDuplicates();
    for (const PhotoPaper& paper : PhotoPapers)
        names << QLatin1String(paper.name);
    return names;
}

QStringList LengthUnits()
{
    QStringList units;
    for (const SettingWord<Unit>& w : unitWords)
        units << QLatin1String(w.Text);
    return units;
}

void OptionReader::fail(const QString& message)
{
    if (problem_.isEmpty())
        problem_ = message;
}

QString OptionReader::oneOf(const QString& words)
{
    return QCoreApplication::translate("quenbrook-album", "one of %1").arg(words);
}

void OptionReader::complain(const QString& name, const QString& text, const QString& wanted)
{
    fail(QCoreApplication::translate("quenbrook-album", "%1 \"%2\": expected %3.")
             .arg(dashed(name), text, wanted));
}

void OptionReader::bothGiven(const QString& first, const QString& second)
{
    fail(QCoreApplication::translate("quenbrook-album", "%1 and %2 cannot be given together.")
             .arg(dashed(first), dashed(second)));
}

std::optional<TypedLength> OptionReader::length(const QString& name, bool zeroAllowed)
{
    const QString text = parser_.value(name);
    QString number = text.trimmed();
    TypedLength length;
    for (const SettingWord<Unit>& w : unitWords) {
        if (number.endsWith(QLatin1String(w.Text), Qt::CaseInsensitive)) {
            number.chop(2);
            length.Typed = w.Value;
            break;
        }
    }
    // Hexadecimal and octal are for stored settings, not for lengths.
    const bool decimal = !number.contains(QLatin1Char('&'));
    length.Value = NumericValue(number);
    const double largest = std::numeric_limits<float>::max() / 10;
    if (!decimal || !IsNumericText(number) || !std::isfinite(length.Value) || length.Value < 0 ||
        length.Value > largest || (!zeroAllowed && !(float(length.Value) > 0))) {
        complain(name, text,
                 zeroAllowed
                     ? QCoreApplication::translate("quenbrook-album",
                                                   "a length of 0 or more, like 0.2, 0.5cm, 5mm")
                     : QCoreApplication::translate("quenbrook-album",
                                                   "a length above 0, like 2, 2.5in, 6cm, 60mm"));
        return std::nullopt;
    }
    return length;
}

std::optional<PaperChoice> OptionReader::paper(const QString& name)
{
    if (!parser_.isSet(name))
        return std::nullopt;
    const QString text = parser_.value(name);
    const std::variant<PaperChoice, PaperSizeProblem> size = ReadPaperSize(text);
    if (const auto* paper = std::get_if<PaperChoice>(&size))
        return *paper;
    complain(
        name, text,
        std::get<PaperSizeProblem>(size) == PaperSizeProblem::TooLarge
            ? QCoreApplication::translate("quenbrook-album",
                                          "a paper of at most 1 m (100 cm, 39.37 in) a side")
            : QCoreApplication::translate(
                  "quenbrook-album", "a paper size like A4, Letter, 4x6, 10x15, 10x15cm or 5x7in"));
    return std::nullopt;
}

std::optional<PageRange> OptionReader::pages(const QString& name)
{
    if (!parser_.isSet(name))
        return std::nullopt;
    // "3", "2-5", or "2-" for page 2 to the end.
    static const QRegularExpression form(QStringLiteral(R"(^\s*(\d+)\s*(-\s*(\d*))?\s*$)"));
    const QString text = parser_.value(name);
    const QRegularExpressionMatch m = form.match(text);
    bool fromOk = false;
    bool toOk = true;
    const int from = m.captured(1).toInt(&fromOk);
    int to = from;
    if (m.hasCaptured(2))
        to = m.captured(3).isEmpty() ? std::numeric_limits<int>::max() : m.captured(3).toInt(&toOk);
    if (!m.hasMatch() || !fromOk || !toOk || from < 1 || to < from) {
        complain(name, text,
                 QCoreApplication::translate("quenbrook-album",
                                             "pages FROM-TO counted from 1, like 2-5, 2- or 3"));
        return std::nullopt;
    }
    return PageRange{from, to};
}

} // namespace quenbrook
