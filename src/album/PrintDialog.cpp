#include "album/PrintDialog.h"

#include "album/PrintJob.h"
#include "album/PrinterSurface.h"
#include "platform/Printers.h"

#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>

namespace quenbrook {

std::optional<PageRange> ShowPrintDialog(QWidget* owner, QPrinter& printer, qint32 minPage,
                                         qint32 maxPage)
{
    // Qt's dialog switches a PDF printer to the default print queue when it is made, and puts
    // the queue's default paper on the printer when it is accepted. The printer the dialog opens
    // with and the paper the pages were laid out on are kept.
    const bool toFile = printer.outputFormat() == QPrinter::PdfFormat;
    const QPageLayout paper = printer.pageLayout();
    QPrintDialog dialog(&printer, owner);
    if (toFile)
        printer.setOutputFormat(QPrinter::PdfFormat);
    // No "selection"; copies and collation go to the driver; printing to a PDF file is
    // offered, as the built-in "Save as PDF" printer.
    dialog.setOptions(QAbstractPrintDialog::PrintPageRange |
                      QAbstractPrintDialog::PrintCollateCopies | QAbstractPrintDialog::PrintToFile);
    dialog.setMinMax(minPage, maxPage);
    printer.setPrintRange(QPrinter::AllPages);
    printer.setFromTo(minPage, maxPage);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    printer.setPageLayout(paper);
    if (printer.printRange() == QPrinter::PageRange)
        return PageRange{printer.fromPage(), printer.toPage()};
    return PageRange{minPage, maxPage};
}

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
