#include "album/PrintJob.h"

#include "album/AlbumPage.h"
#include "album/PageLayout.h"
#include "album/PageSurface.h"
#include "album/PrintDialog.h"
#include "album/PrinterSurface.h"
#include "album/frmOnPrinting.h"
#include "ui/BusyCursor.h"
#include "ui/Messages.h"

#include <QCoreApplication>
#include <QPointer>

#include <algorithm>
#include <climits>

namespace quenbrook {
namespace {

// The printer document of one job: ended by end(), abandoned on every other way out.
class PrinterDocument
{
public:
    explicit PrinterDocument(PageSurface& printer)
        : printer_(printer)
    {}
    ~PrinterDocument()
    {
        if (open_)
            printer_.killDoc();
    }
    PrinterDocument(const PrinterDocument&) = delete;
    PrinterDocument& operator=(const PrinterDocument&) = delete;

    void end()
    {
        open_ = false;
        printer_.endDoc();
    }

private:
    PageSurface& printer_;
    bool open_ = true;
};

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
                PageSurface& printer, const PageRangeChooser& chooseRange)
{
    if (printList.isEmpty())
        return;
    // Message boxes and the print dialog are shown with the usual pointer.
    std::optional<BusyCursor> busy(std::in_place);
    PrinterDocument document(printer);

    const LayoutResult computed =
        ComputePageLayout(settings, int(std::min<qsizetype>(printList.size(), INT_MAX)), printer);
    if (const auto* failure = std::get_if<LayoutFailure>(&computed)) {
        busy.reset();
        ShowMessage(owner, failure->message, MessageIcon::Critical);
        return;
    }
    const PageLayout& layout = std::get<PageLayout>(computed);

    busy.reset();
    const std::optional<PageRange> range =
        chooseRange ? chooseRange(layout.PageCount) : std::optional<PageRange>();
    if (!range)
        return;

    busy.emplace();
    const DisabledWindow disabled(owner);
    const ProgressWindow progress(owner);
    const auto report = [&](const QString& message) {
        busy.reset();
        ShowMessage(progress.window(), message, MessageIcon::Critical);
    };

    // The dialog keeps to 1 .. PageCount; a range outside the album prints only what is in it.
    const qint64 first = std::max<qint64>(range->FromPage, 1);
    const qint64 last = std::min<qint64>(range->ToPage, layout.PageCount);
    const PagePictureHook hook = [&](qint32 page, qint64, const QString& path) {
        return showProgress(progress.window(), page, path);
    };
    for (qint64 page = first; page <= last; ++page) {
        const PageResult drawn =
            DrawAlbumPage(printer, settings, layout, printList, qint32(page), PageView(), hook);
        if (drawn.outcome == PageOutcome::Stopped)
            return;
        if (drawn.outcome == PageOutcome::Failed) {
            report(drawn.message);
            return;
        }
        if (page < last) {
            printer.newPage();
            if (const QString error = printer.error(); !error.isEmpty()) {
                report(error);
                return;
            }
        }
    }
    document.end();
    if (const QString error = printer.error(); !error.isEmpty())
        report(error);
}

void RunPrintJob(QWidget* owner, const QStringList& printList, const PrintSettings& settings,
                 PrinterSurface& printer, const PrintDialogRunner& runDialog)
{
    PrintAlbum(owner, printList, settings, printer,
               [&](qint32 pageCount) -> std::optional<PageRange> {
                   if (!runDialog)
                       return std::nullopt;
                   OfferOutputFile(printer);
                   const std::optional<PageRange> range =
                       runDialog(owner, printer.printer(), 1, pageCount);
                   if (range)
                       FollowPrintDialog(printer);
                   return range;
               });
}

} // namespace quenbrook
