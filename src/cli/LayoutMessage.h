#pragma once

#include <QString>

namespace quenbrook {

struct PageLayout;
struct PrintSettings;

// Why no cell fits on the page as far as it was laid out, for a terminal: the cell against the
// printable area, across or down, and by how much, in the album's unit.
QString NoCellFitsText(const PrintSettings& settings, const PageLayout& page);

} // namespace quenbrook
