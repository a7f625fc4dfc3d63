// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/album/PrintJob.h"

#include <QtGlobal>

class QPrinter;

namespace quenbrook {

class PrinterSurface;

// "Save as PDF" shows its file in the print dialog.
void OfferOutputFile(PrinterSurface& printer);

// The pages of an album of pageCount pages that the print dialog left on `printer`: every page,
// or the pages typed ("2-3", "1,3"). A print queue makes the copies and the page order itself;
// into a PDF file the job makes them, so the sequence holds every copy, in the order chosen.
PageSequence PagesChosen(const QPrinter& printer, qint32 pageCount);

// After an accepted print dialog: a file chosen there ("Print to File") makes the surface write
// that PDF; another printer chosen there becomes the surface's printer. The paper and orientation
// on the printer stay as the dialog left them; the page layout the job computed before the
// dialog stays too.
void FollowPrintDialog(PrinterSurface& printer);

} // namespace quenbrook
