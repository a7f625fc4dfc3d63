// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

namespace quenbrook {

struct PageLayout;
struct PrintSettings;

// Why no cell fits on the page as far as it was laid out, for a terminal: the cell against the
// printable area, across or down, and by how much, in the album's unit.
QString NoCellFitsText(const PrintSettings& settings, const PageLayout& page);

// Why a paper given by its size is refused: it is smaller than one cell, either way (width and
// height in points). Empty when the cell fits on it.
QString PaperSmallerThanCellText(const PrintSettings& settings, double width, double height);

} // namespace quenbrook
