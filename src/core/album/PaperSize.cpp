// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/album/PaperSize.h"

#include <QRegularExpression>
#include <QSizeF>

#include <optional>

namespace quenbrook {
namespace {

// "Executive.7.5x10in" is "Executive", "Ledger / ANSI B" is "Ledger".
std::optional<QPageSize> paperNamed(const QString& text)
{
    for (int id = 0; id < QPageSize::LastPageSize; ++id) {
        const auto size = QPageSize::PageSizeId(id);
        if (size == QPageSize::Custom)
            continue;
        const QString key = QPageSize::key(size);
        const QString name = QPageSize::name(size);
        for (const QString& word :
             {key, key.section(QLatin1Char('.'), 0, 0), name,
              name.section(QLatin1String(" ("), 0, 0), name.section(QLatin1String(" / "), 0, 0)}) {
            if (word.compare(text, Qt::CaseInsensitive) == 0)
                return QPageSize(size);
        }
    }
    return std::nullopt;
}

double millimetresPer(const QString& unit)
{
    const QString u = unit.toLower();
    return u == QLatin1String("in") ? 25.4 : u == QLatin1String("cm") ? 10 : 1;
}

} // namespace

std::variant<PaperChoice, PaperSizeProblem> ReadPaperSize(const QString& text)
{
    if (std::optional<QPageSize> named = paperNamed(text.trimmed()))
        return PaperChoice{*named, false};
    static const QRegularExpression form(
        QStringLiteral(
            R"(^\s*(\d+(?:\.\d*)?|\.\d+)\s*(in|cm|mm)?\s*[x×]\s*(\d+(?:\.\d*)?|\.\d+)\s*)"
            R"((in|cm|mm)?\s*$)"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch() || (m.hasCaptured(2) && !m.hasCaptured(4)))
        return PaperSizeProblem::Unknown;
    double width = m.captured(1).toDouble();
    double height = m.captured(3).toDouble();
    if (!m.hasCaptured(4)) {
        const QString bare = m.captured(1) + u'x' + m.captured(3);
        QString unit;
        for (const PhotoPaper& paper : PhotoPapers) {
            if (bare == QLatin1String(paper.name))
                unit = QLatin1String(paper.unit);
        }
        if (unit.isEmpty())
            return PaperSizeProblem::Unknown;
        width *= millimetresPer(unit);
        height *= millimetresPer(unit);
    } else {
        width *= millimetresPer(m.hasCaptured(2) ? m.captured(2) : m.captured(4));
        height *= millimetresPer(m.captured(4));
    }
    if (!(width > 0) || !(height > 0))
        return PaperSizeProblem::Unknown;
    if (width > LongestPaperSideMm || height > LongestPaperSideMm)
        return PaperSizeProblem::TooLarge;
    return PaperChoice{
        QPageSize(QSizeF(width, height), QPageSize::Millimeter, QString(), QPageSize::ExactMatch),
        true};
}

} // namespace quenbrook
