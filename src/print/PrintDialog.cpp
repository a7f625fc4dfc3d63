#include "print/PrintDialog.h"

#include "print/PrinterSurface.h"
#include "print/Printers.h"

#include <QPrinter>

namespace quenbrook {

void OfferOutputFile(PrinterSurface& printer)
{
    // An empty name would turn the printer back to a print queue.
    if (printer.writesPdf() && !printer.outputFileName().isEmpty())
        printer.printer().setOutputFileName(printer.outputFileName());
}

void FollowPrintDialog(PrinterSurface& printer)
{
    const QPrinter& chosen = printer.printer();
    const QString file = chosen.outputFileName();
    const QString name = chosen.printerName();
    if (!file.isEmpty()) {
        if (!printer.writesPdf())
            printer.selectPrinter(SaveAsPdfPrinter.toString());
        printer.setOutputFileName(file);
    } else if (!name.isEmpty() && name != printer.printerName()) {
        printer.selectPrinter(name);
    }
}

} // namespace quenbrook
