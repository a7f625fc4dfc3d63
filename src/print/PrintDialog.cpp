// SPDX-License-Identifier: GPL-2.0-or-later
#include "print/PrintDialog.h"

#include "print/PrinterSurface.h"
#include "print/Printers.h"

#include <QPageRanges>
#include <QPrinter>

#include <algorithm>

namespace quenbrook {

void OfferOutputFile(PrinterSurface& printer)
{
    // An empty name would turn the printer back to a print queue.
    if (printer.writesPdf() && !printer.outputFileName().isEmpty())
        printer.printer().setOutputFileName(printer.outputFileName());
}

PageSequence PagesChosen(const QPrinter& printer, qint32 pageCount)
{
    QList<PageRange> runs;
    const QPageRanges typed = printer.pageRanges();
    if (printer.printRange() == QPrinter::PageRange && !typed.isEmpty()) {
        for (const QPageRanges::Range& range : typed.toRangeList())
            runs.append({range.from, std::min(range.to, pageCount)});
    } else {
        runs.append({1, pageCount});
    }
    if (printer.outputFormat() != QPrinter::PdfFormat)
        return PageSequence(runs);

    QList<qint32> pages;
    for (const PageRange& run : std::as_const(runs))
        for (qint32 page = std::max(run.FromPage, 1); page <= run.ToPage; ++page)
            pages.append(page);
    if (printer.pageOrder() == QPrinter::LastPageFirst)
        std::reverse(pages.begin(), pages.end());
    const int copies = std::max(printer.copyCount(), 1);
    QList<PageRange> sheets;
    if (printer.collateCopies()) {
        for (int copy = 0; copy < copies; ++copy)
            for (const qint32 page : std::as_const(pages))
                sheets.append({page, page});
    } else {
        for (const qint32 page : std::as_const(pages))
            for (int copy = 0; copy < copies; ++copy)
                sheets.append({page, page});
    }
    return PageSequence(sheets);
}

void FollowPrintDialog(PrinterSurface& printer)
{
    const QPrinter& chosen = printer.printer();
    const QString file = chosen.outputFileName();
    const QString name = chosen.printerName();
    // Taking up a printer gives it its own paper; the paper chosen in the dialog is kept.
    const QPageLayout paper = chosen.pageLayout();
    if (!file.isEmpty()) {
        if (!printer.writesPdf())
            printer.selectPrinter(SaveAsPdfPrinter.toString());
        printer.setOutputFileName(file);
    } else if (!name.isEmpty() && name != printer.printerName()) {
        printer.selectPrinter(name);
    }
    printer.printer().setPageLayout(paper);
}

} // namespace quenbrook
