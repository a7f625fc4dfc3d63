// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/printing/RunPrintJob.h"

#include "core/platform/OutputPath.h"
#include "print/PrintDialog.h"
#include "print/PrinterSurface.h"
#include "windows/common/BusyCursor.h"
#include "windows/common/Messages.h"
#include "windows/printing/frmOnPrinting.h"

#include <QCoreApplication>
#include <QDir>
#include <QPageLayout>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace quenbrook {
namespace {

// The owner stays disabled while the pages are printed.
class DisabledWindow
{
public:
    explicit DisabledWindow(QWidget* window)
        : window_(window)
        , wasEnabled_(window && window->isEnabled())
    {
        if (window_)
            window_->setEnabled(false);
    }
    ~DisabledWindow()
    {
        if (window_)
            window_->setEnabled(wasEnabled_);
    }
    DisabledWindow(const DisabledWindow&) = delete;
    DisabledWindow& operator=(const DisabledWindow&) = delete;

private:
    QPointer<QWidget> window_;
    bool wasEnabled_;
};

// The Printing window for the life of the job. It belongs to the owner, which may be disabled,
// so it is enabled on its own.
class ProgressWindow
{
public:
    explicit ProgressWindow(QWidget* owner)
        : window_(new frmOnPrinting(owner))
    {
        window_->show();
        window_->setEnabled(true);
    }
    ~ProgressWindow() { delete window_.data(); }
    ProgressWindow(const ProgressWindow&) = delete;
    ProgressWindow& operator=(const ProgressWindow&) = delete;

    // Gone only if its owner went while events were let in.
    const QPointer<frmOnPrinting>& window() const { return window_; }

private:
    QPointer<frmOnPrinting> window_;
};

// Shows the progress, lets the Cancel click in and says whether to go on.
PictureStep showProgress(const QPointer<frmOnPrinting>& window, qint32 page, const QString& path)
{
    if (window) {
        window->ShowProgress(page, path);
        window->repaint();
        QCoreApplication::processEvents();
    }
    return window && !window->CancelRequested() ? PictureStep::Draw : PictureStep::Stop;
}

} // namespace

void PrintAlbum(QWidget* owner, const QStringList& printList, const PrintSettings& settings,
                PageSurface& printer, const PageRangeChooser& chooseRange,
                const MessageFunction& message)
{
    if (printList.isEmpty())
        return;
    // Message boxes and the print dialog are shown with the usual pointer.
    std::optional<BusyCursor> busy(std::in_place);
    std::optional<DisabledWindow> disabled;
    std::optional<ProgressWindow> progress;
    LoadStop cancelled{false};
    PrintJobSteps steps;
    steps.stop = &cancelled;
    // Cancel is also seen while a picture decoded ahead is awaited.
    steps.waiting = [&] {
        QCoreApplication::processEvents();
        const QPointer<frmOnPrinting> window = progress ? progress->window() : nullptr;
        if (!window || window->CancelRequested())
            cancelled = true;
    };
    steps.layoutFailed = [&](const QString& text) {
        busy.reset();
        message(owner, text, MessageIcon::Critical);
    };
    steps.chooseRange = [&](qint32 pageCount) {
        busy.reset();
        return chooseRange ? chooseRange(pageCount) : std::optional<PageRange>();
    };
    steps.started = [&] {
        busy.emplace();
        disabled.emplace(owner);
        progress.emplace(owner);
    };
    steps.progress = [&](qint32 page, const QString& path) {
        return showProgress(progress->window(), page, path);
    };
    steps.failed = [&](const QString& text) {
        busy.reset();
        message(progress ? progress->window() : nullptr, text, MessageIcon::Critical);
    };
    PrintPages(printList, settings, printer, steps);
}

std::optional<PageSequence> ShowPrintDialog(QWidget* owner, QPrinter& printer, qint32 minPage,
                                            qint32 maxPage)
{
    // Qt's dialog switches a PDF printer to the default print queue when it is made; the printer
    // it opens with is kept.
    const bool toFile = printer.outputFormat() == QPrinter::PdfFormat;
    const QPageLayout paper = printer.pageLayout();
    QPrintDialog dialog(&printer, owner);
    if (toFile)
        printer.setOutputFormat(QPrinter::PdfFormat);
    // No "selection"; copies and collation offered (a queue makes them, PagesChosen for a PDF);
    // the paper and orientation can be
    // changed (Properties); printing to a PDF file is offered, as the built-in "Save as PDF".
    dialog.setOptions(QAbstractPrintDialog::PrintPageRange |
                      QAbstractPrintDialog::PrintCollateCopies |
                      QAbstractPrintDialog::PrintShowPageSize | QAbstractPrintDialog::PrintToFile);
    dialog.setMinMax(minPage, maxPage);
    printer.setPrintRange(QPrinter::AllPages);
    printer.setFromTo(minPage, maxPage);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    // The paper size and orientation chosen there are printed on. On a print queue an untouched
    // dialog gives the queue's own paper, which is not a choice; the margins stay those the
    // pages were laid out with, as the dialog puts its own on a PDF printer.
    const QPageLayout shown = printer.pageLayout();
    const QPageSize queuePaper = QPrinterInfo::printerInfo(printer.printerName()).defaultPageSize();
    QPageLayout chosen = paper;
    chosen.setOrientation(shown.orientation());
    if (toFile || !shown.pageSize().isEquivalentTo(queuePaper))
        chosen.setPageSize(shown.pageSize());
    printer.setPageLayout(chosen);
    return PagesChosen(printer, maxPage);
}

void RunPrintJob(QWidget* owner, const QStringList& printList, const PrintSettings& settings,
                 PrinterSurface& printer, const PrintDialogRunner& runDialog,
                 const MessageFunction& message)
{
    PrintAlbum(
        owner, printList, settings, printer,
        [&](qint32 pageCount) -> std::optional<PageSequence> {
            if (!runDialog)
                return std::nullopt;
            OfferOutputFile(printer);
            const std::optional<PageSequence> range =
                runDialog(owner, printer.printer(), 1, pageCount);
            if (!range)
                return std::nullopt;
            FollowPrintDialog(printer);
            // The PDF is written under its name only once every page is done, so a picture
            // chosen as its name would be gone.
            if (printer.writesPdf()) {
                const QString picture =
                    PictureAtOutput(ResolveOutputPath(printer.outputFileName()), printList);
                if (!picture.isEmpty()) {
                    message(owner,
                            QCoreApplication::translate(
                                "RunPrintJob",
                                "The PDF file %1 is the picture %2 of the print list.\r\nChoose "
                                "another file name.")
                                .arg(QDir::toNativeSeparators(printer.outputFileName()),
                                     QDir::toNativeSeparators(picture)),
                            MessageIcon::Critical);
                    return std::nullopt;
                }
            }
            return range;
        },
        message);
}

} // namespace quenbrook
