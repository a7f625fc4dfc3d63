#pragma once

#include "print/PrinterSurface.h"

namespace quenbrook {

// A printer surface that decodes pictures for a chosen density rather than the printer's own.
// PrintSettings has no picture resolution yet, so the surface carries it.
class ResolutionSurface final : public PrinterSurface
{
public:
    using PrinterSurface::PrinterSurface;

    // Pixels per inch of the pictures on paper; 0 for the printer's own.
    void setPictureResolution(int pixelsPerInch) { pixelsPerInch_ = pixelsPerInch; }

    double pixelsPerUnit() const override
    {
        return pixelsPerInch_ > 0 ? pixelsPerInch_ / unitsPerInch(scaleMode())
                                  : PrinterSurface::pixelsPerUnit();
    }

private:
    int pixelsPerInch_ = 0;
};

} // namespace quenbrook
