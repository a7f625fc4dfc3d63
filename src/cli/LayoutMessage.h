#pragma once

#include <QString>

namespace quenbrook {

struct PageMeasures;
struct PrintSettings;

// Why no cell fits on the measured page, for a terminal: the cell against the printable area,
// across or down, and by how much, in the album's unit.
QString NoCellFitsText(const PrintSettings& settings, const PageMeasures& measures);

} // namespace quenbrook
