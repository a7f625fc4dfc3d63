// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QPageSize>
#include <QString>

#include <variant>

namespace quenbrook {

// Why a paper size was not taken.
enum class PaperSizeProblem
{
    Unknown,  // neither a paper's name nor a width and height with a unit
    TooLarge, // a side beyond a metre
};

// A paper as typed, and whether it was given by its size rather than by a name.
struct PaperChoice
{
    QPageSize page;
    bool bySize = false;
};

// Photo papers by the name printed on their packs, and the unit of that name.
struct PhotoPaper
{
    const char* name;
    const char* unit;
};
inline constexpr PhotoPaper PhotoPapers[] = {
    {"4x6", "in"}, {"5x7", "in"}, {"10x15", "cm"}, {"13x18", "cm"}};

// The longest side of a paper given by its size, in millimetres.
inline constexpr double LongestPaperSideMm = 1000;

// A paper size as typed: a name Qt knows in any letter case ("A4", "letter", "B5"), a photo
// paper's name as printed on its packs ("4x6" and "5x7" in inches, "10x15" and "13x18" in
// centimetres), or a width and height with a unit, "10x15cm", "4 × 6 in", "130mmx180mm" (in, cm
// or mm, any letter case, on the second number or on both; a decimal point allowed).
std::variant<PaperChoice, PaperSizeProblem> ReadPaperSize(const QString& text);

} // namespace quenbrook
