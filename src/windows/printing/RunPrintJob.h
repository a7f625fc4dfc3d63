// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/album/PrintJob.h"
#include "core/album/PrintSettings.h"
#include "windows/common/Messages.h"

#include <QStringList>
#include <QtGlobal>

#include <functional>
#include <optional>

class QPrinter;
class QWidget;

namespace quenbrook {

class PageSurface;
class PrinterSurface;

// The print dialog on the printer's settings, offering pages minPage to maxPage; the pages to
// draw, or nothing when it is cancelled or fails.
using PrintDialogRunner = std::function<std::optional<PageSequence>(
    QWidget* owner, QPrinter& printer, qint32 minPage, qint32 maxPage)>;

// The platform's print dialog: no "selection" choice, copies and collation offered (a print queue
// makes them, PagesChosen makes them for a PDF file), the paper and orientation offered, "Print to
// File (PDF)" offered, from and to page preset to the whole album. Gives the pages typed
// (PagesChosen), otherwise minPage to maxPage.
std::optional<PageSequence> ShowPrintDialog(QWidget* owner, QPrinter& printer, qint32 minPage,
                                            qint32 maxPage);

// The Print command of the Album Printer window. Nothing for an empty list. Lays the pages out
// on the printer, asks for the page range with runDialog, then prints page after page while the
// "Printing" window shows the page and file and offers Cancel; owner is disabled meanwhile.
// A printer or file chosen in the dialog is taken over by the printer surface. Cancel abandons
// the document silently; an unreadable picture or a printer failure is reported, then the
// document is abandoned. Every way out closes the Printing window, enables owner and restores
// the pointer. Reports go through `message`.
void RunPrintJob(QWidget* owner, const QStringList& printList, const PrintSettings& settings,
                 PrinterSurface& printer, const PrintDialogRunner& runDialog = ShowPrintDialog,
                 const MessageFunction& message = ShowMessage);

// The same job on any page surface, the page range coming from chooseRange.
void PrintAlbum(QWidget* owner, const QStringList& printList, const PrintSettings& settings,
                PageSurface& printer, const PageRangeChooser& chooseRange,
                const MessageFunction& message = ShowMessage);

} // namespace quenbrook
