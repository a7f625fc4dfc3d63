#pragma once

namespace quenbrook {

class PrinterSurface;

// "Save as PDF" shows its file in the print dialog.
void OfferOutputFile(PrinterSurface& printer);

// After an accepted print dialog: a file chosen there ("Print to File") makes the surface write
// that PDF; another printer chosen there becomes the surface's printer. The page layout the job
// computed before the dialog stays.
void FollowPrintDialog(PrinterSurface& printer);

} // namespace quenbrook
