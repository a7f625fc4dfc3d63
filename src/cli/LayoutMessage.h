#pragma once

#include <QString>

namespace quenbrook {

class PageSurface;
struct PrintSettings;

// Why no cell fits on the surface's page, for a terminal: the cell against the printable area,
// across or down, and by how much, in the album's unit. Measures the page again, leaving the
// surface's fonts changed.
QString NoCellFitsText(const PrintSettings& settings, PageSurface& surface);

} // namespace quenbrook
