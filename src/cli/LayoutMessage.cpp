// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/LayoutMessage.h"

#include "core/album/PageLayout.h"
#include "core/album/PrintSettings.h"
#include "core/settings/NumberRules.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace quenbrook {

namespace {

QString unitOf(const PrintSettings& s)
{
    return s.Scale == PrintUnit::Inch ? QStringLiteral("in") : QStringLiteral("cm");
}

// To the hundredth.
QString hundredths(double value)
{
    return NumberText(std::round(value * 100) / 100);
}

} // namespace

QString PaperSmallerThanCellText(const PrintSettings& s, double width, double height)
{
    const double pointsPerUnit = s.Scale == PrintUnit::Inch ? 72 : 72 / 2.54;
    const double paperWidth = width / pointsPerUnit, paperHeight = height / pointsPerUnit;
    // A hair of rounding spared: a 2-inch paper holds a 2-inch cell.
    constexpr double Spare = 1e-6;
    if (paperWidth + Spare >= s.PictureMaxWidth && paperHeight + Spare >= s.PictureMaxHeight)
        return QString();
    return QCoreApplication::translate("quenbrook-album",
                                       "The paper, %1 × %2 %3, is smaller than one cell, %4 × %5 "
                                       "%3.")
        .arg(hundredths(paperWidth), hundredths(paperHeight), unitOf(s),
             hundredths(s.PictureMaxWidth), hundredths(s.PictureMaxHeight));
}

QString NoCellFitsText(const PrintSettings& s, const PageLayout& page)
{
    const double width = page.PrintableWidth;
    const double height = page.PrintableHeight;
    const double header = page.HeaderHeight;
    const double footer = page.FooterHeight;
    const double label = page.LabelHeight + page.LabelGap;

    const auto length = [&](double value) {
        return hundredths(value) + QLatin1Char(' ') + unitOf(s);
    };
    if (s.PictureMaxWidth > width)
        return QCoreApplication::translate(
                   "quenbrook-album",
                   "A cell %1 wide does not fit across the printable area, %2 wide: "
                   "it is %3 too wide.")
            .arg(length(s.PictureMaxWidth), length(width), length(s.PictureMaxWidth - width));
    const double room = height - header - footer;
    const double needed = s.PictureMaxHeight + label;
    if (needed > room) {
        QString cell = QCoreApplication::translate("quenbrook-album", "A cell %1 high")
                           .arg(length(s.PictureMaxHeight));
        if (label > 0)
            cell += QCoreApplication::translate("quenbrook-album", " and its label, %1 in all,")
                        .arg(length(needed));
        QString area = QCoreApplication::translate("quenbrook-album", "the printable area, %1 high")
                           .arg(length(height));
        if (header + footer > 0)
            area += QCoreApplication::translate("quenbrook-album",
                                                " (%1 below the header and above the footer)")
                        .arg(length(std::max(room, 0.0)));
        return QCoreApplication::translate("quenbrook-album",
                                           "%1 does not fit down %2: it is %3 too high.")
            .arg(cell, area, length(needed - room));
    }
    return QCoreApplication::translate(
               "quenbrook-album", "The cells (%1 wide, %2 high, %3 and %4 apart) make no grid on a "
                                  "printable area %5 wide and %6 high.")
        .arg(length(s.PictureMaxWidth), length(s.PictureMaxHeight), length(s.PictureSpacingX),
             length(s.PictureSpacingY), length(width), length(height));
}

} // namespace quenbrook
