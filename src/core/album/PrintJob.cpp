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

    void end()
    {
        open_ = false;
        printer_.endDoc();
    }

private:
    PageSurface& printer_;
    bool open_ = true;
};

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
    const auto fail = [&](const QString& message) {
        if (stopRaised(steps.stop)) {
            if (steps.stopped)
                steps.stopped(); // a picture given up half-way is no failure of its own
        } else if (steps.failed) {
            steps.failed(message);
        }
    };

    const std::optional<PageSequence> pages =
        steps.chooseRange ? steps.chooseRange(layout.PageCount) : std::optional<PageSequence>();
    if (!pages)
        return;
    if (steps.started)
        steps.started();

    const PagePictureHook hook = [&](qint32 page, qint64, const QString& path) {
        if (stopRaised(steps.stop))
            return PictureStep::Stop;
        return steps.progress ? steps.progress(page, path) : PictureStep::Draw;
    };
    // Pictures on paper at no more than the chosen resolution.
    PageView paper;
    paper.MaxPixelsPerInch = settings.PictureResolution;
    const QSize decodePixels = PictureDecodeSize(settings, paper, printer);
    bool firstPage = true;
    for (const PageRange& run : pages->Runs) {
        const qint64 first = std::max<qint64>(run.FromPage, 1);
        const qint64 last = std::min<qint64>(run.ToPage, layout.PageCount);
        if (first > last)
            continue;
        // The run's pictures are decoded ahead in list order while the one before is drawn.
        PicturesAhead ahead(printList, (first - 1) * layout.PicturesPerPage,
                            last * layout.PicturesPerPage - 1, decodePixels,
                            PicturesAhead::workersForThisMachine(), steps.stop);
        const PictureSource source = [&](qint64 index, const QString& path) {
            return ahead.take(index, path, steps.waiting);
        };
        for (qint64 page = first; page <= last; ++page) {
            if (!std::exchange(firstPage, false)) {
                printer.newPage();
                if (const QString error = printer.error(); !error.isEmpty()) {
                    fail(error);
                    return;
                }
            }
            const PageResult drawn = DrawAlbumPage(printer, settings, layout, printList,
                                                   qint32(page), paper, hook, source);
            if (drawn.outcome == PageOutcome::Stopped) {
                if (steps.stopped)
                    steps.stopped();
                return;
            }
            if (drawn.outcome == PageOutcome::Failed) {
                fail(drawn.message);
                return;
            }
        }
    }
    document.end();
    if (const QString error = printer.error(); !error.isEmpty())
        fail(error);
}

} // namespace quenbrook
