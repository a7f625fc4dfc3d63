// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/album/PrintJob.h"

#include "core/album/PageLayout.h"
#include "core/album/PageSurface.h"
#include "core/album/PicturesAhead.h"

#include <algorithm>
#include <climits>
#include <utility>

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

    // Delivered unless the stop is raised before it is in place.
    void end(const LoadStop* stop)
    {
        open_ = false;
        printer_.endDoc(stop);
    }

private:
    PageSurface& printer_;
    bool open_ = true;
};

// Tells the job of a failure, or of the stop that brought it about.
void reportFailure(const PrintJobSteps& steps, const QString& message)
{
    if (stopRaised(steps.stop)) {
        if (steps.stopped)
            steps.stopped(); // a picture given up half-way is no failure of its own
    } else if (steps.failed) {
        steps.failed(message);
    }
}

// Draws a job's pages, run after run of its chosen range; each returns false once the job has
// ended early.
class JobPrinter
{
public:
    JobPrinter(const QStringList& printList, const PrintSettings& settings,
               const PageLayout& layout, PageSurface& printer, const PrintJobSteps& steps);
    JobPrinter(const JobPrinter&) = delete;
    JobPrinter& operator=(const JobPrinter&) = delete;

    bool printRun(const PageRange& run);

private:
    bool printPage(qint64 page, const PictureSource& source);

    const QStringList& printList_;
    const PrintSettings& settings_;
    const PageLayout& layout_;
    PageSurface& printer_;
    const PrintJobSteps& steps_;
    const PagePictureHook hook_;
    PageView paper_;
    QSize decodePixels_;
    bool firstPage_ = true;
};

JobPrinter::JobPrinter(const QStringList& printList, const PrintSettings& settings,
                       const PageLayout& layout, PageSurface& printer, const PrintJobSteps& steps)
    : printList_(printList)
    , settings_(settings)
    , layout_(layout)
    , printer_(printer)
    , steps_(steps)
    , hook_([&steps](qint32 page, qint64, const QString& path) {
        if (stopRaised(steps.stop))
            return PictureStep::Stop;
        return steps.progress ? steps.progress(page, path) : PictureStep::Draw;
    })
{
    // Pictures on paper at no more than the chosen resolution.
    paper_.MaxPixelsPerInch = settings.PictureResolution;
    decodePixels_ = PictureDecodeSize(settings, paper_, printer);
}

bool JobPrinter::printRun(const PageRange& run)
{
    const qint64 first = std::max<qint64>(run.FromPage, 1);
    const qint64 last = std::min<qint64>(run.ToPage, layout_.PageCount);
    if (first > last)
        return true;
    // The run's pictures are decoded ahead in list order while the one before is drawn.
    PicturesAhead ahead(printList_, (first - 1) * layout_.PicturesPerPage,
                        last * layout_.PicturesPerPage - 1, decodePixels_,
                        PicturesAhead::workersForThisMachine(), steps_.stop);
    const PictureSource source = [&](qint64 index, const QString& path) {
        return ahead.take(index, path, steps_.waiting);
    };
    for (qint64 page = first; page <= last; ++page)
        if (!printPage(page, source))
            return false;
    return true;
}

bool JobPrinter::printPage(qint64 page, const PictureSource& source)
{
    if (!std::exchange(firstPage_, false)) {
        printer_.newPage();
        if (const QString error = printer_.error(); !error.isEmpty()) {
            reportFailure(steps_, error);
            return false;
        }
    }
    const PageResult drawn = DrawAlbumPage(printer_, settings_, layout_, printList_, qint32(page),
                                           paper_, hook_, source);
    if (drawn.outcome == PageOutcome::Stopped) {
        if (steps_.stopped)
            steps_.stopped();
        return false;
    }
    if (drawn.outcome == PageOutcome::Failed) {
        reportFailure(steps_, drawn.message);
        return false;
    }
    return true;
}

} // namespace

void PrintPages(const QStringList& printList, const PrintSettings& settings, PageSurface& printer,
                const PrintJobSteps& steps)
{
    if (printList.isEmpty())
        return;
    const LayoutResult computed =
        ComputePageLayout(settings, int(std::min<qsizetype>(printList.size(), INT_MAX)), printer);
    if (const auto* failure = std::get_if<LayoutFailure>(&computed)) {
        if (steps.layoutFailed)
            steps.layoutFailed(failure->message);
        printer.killDoc();
        return;
    }
    PrintPages(printList, settings, std::get<PageLayout>(computed), printer, steps);
}

void PrintPages(const QStringList& printList, const PrintSettings& settings,
                const PageLayout& layout, PageSurface& printer, const PrintJobSteps& steps)
{
    if (printList.isEmpty())
        return;
    PrinterDocument document(printer);
    const std::optional<PageSequence> pages =
        steps.chooseRange ? steps.chooseRange(layout.PageCount) : std::optional<PageSequence>();
    if (!pages)
        return;
    if (steps.started)
        steps.started();

    JobPrinter job(printList, settings, layout, printer, steps);
    for (const PageRange& run : pages->Runs)
        if (!job.printRun(run))
            return;
    // A stop after the last picture, or while the document is ended, still abandons it.
    document.end(steps.stop);
    if (const QString error = printer.error(); !error.isEmpty())
        reportFailure(steps, error);
}

} // namespace quenbrook
