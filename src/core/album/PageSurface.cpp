// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/album/PageSurface.h"

#include "core/program/Units.h"

namespace quenbrook {

double UnitsPerInch(PrintUnit unit)
{
    return unit == PrintUnit::Inch ? 1.0 : CentimetresPerInch;
}

float PageSurface::drawableWidth(PrintUnit unit) const
{
    return static_cast<float>(drawableInches().width() * UnitsPerInch(unit));
}

float PageSurface::drawableHeight(PrintUnit unit) const
{
    return static_cast<float>(drawableInches().height() * UnitsPerInch(unit));
}

} // namespace quenbrook
