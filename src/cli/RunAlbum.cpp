// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/RunAlbum.h"

#include "cli/AlbumOptions.h"
#include "cli/ApplyRequest.h"
#include "cli/LayoutMessage.h"
#include "cli/PictureArguments.h"
#include "cli/ProgressLine.h"
#include "core/album/PageLayout.h"
#include "core/album/PrintSettingsLoader.h"
#include "core/platform/OutputFile.h"
#include "core/platform/OutputPath.h"
#include "core/settings/SettingsStore.h"
#include "print/PrinterSurface.h"
#include "print/Printers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPrinter>

#include <algorithm>
#include <csignal>
#include <cstdio>

#include <signal.h>
#include <unistd.h>

namespace quenbrook {
namespace {

volatile std::sig_atomic_t interruption = 0;
LoadStop stopLoading{false};
static_assert(LoadStop::is_always_lock_free, "raised from a signal handler");

extern "C" void noteInterruption(int signal)
{
    interruption = signal;
    stopLoading = true;
}

constexpr int WatchedSignals[] = {SIGINT, SIGTERM, SIGHUP};

// Ctrl+C, a closed terminal or a kill end the run wherever it is: input is no longer read, a
// picture being loaded is given up and the document is not put in place, so an older output
// file stays. A second one ends the run at once, which leaves no file either. Calls waiting on
// the system are interrupted, not taken up again, so the stop is seen.
class InterruptionWatch
{
public:
    InterruptionWatch()
    {
        struct sigaction action = {};
        action.sa_handler = noteInterruption;
        action.sa_flags = SA_RESETHAND;
        sigemptyset(&action.sa_mask);
        for (int signal : WatchedSignals)
            ::sigaction(signal, &action, nullptr);
    }
    ~InterruptionWatch()
    {
        for (int signal : WatchedSignals)
            std::signal(signal, SIG_DFL);
    }
    InterruptionWatch(const InterruptionWatch&) = delete;
    InterruptionWatch& operator=(const InterruptionWatch&) = delete;
};

void tell(const QString& message)
{
    QString text = message;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    std::fprintf(stderr, "quenbrook-album: %s\n", text.toLocal8Bit().constData());
}

// The status of a run that was interrupted, after saying so.
int interrupted()
{
    tell(QCoreApplication::translate("quenbrook-album", "Interrupted; nothing was printed."));
    return 128 + interruption;
}

// The pages to print, or nothing (after saying why) when the album has no such page.
std::optional<PageRange> pagesToPrint(const std::optional<PageRange>& asked, qint32 pageCount)
{
    if (!asked)
        return PageRange{1, pageCount};
    if (asked->FromPage > pageCount) {
        tell((pageCount == 1
                  ? QCoreApplication::translate("quenbrook-album",
                                                "The album has %1 page, so it has no page %2.")
                  : QCoreApplication::translate("quenbrook-album",
                                                "The album has %1 pages, so it has no page %2."))
                 .arg(pageCount)
                 .arg(asked->FromPage));
        return std::nullopt;
    }
    return PageRange{asked->FromPage, std::min(asked->ToPage, pageCount)};
}

std::unique_ptr<PrinterSurface> openSurface(const AlbumRequest& request, const OutputPath& output)
{
    if (request.PrinterName.isEmpty()) {
        auto surface = std::make_unique<PrinterSurface>(SaveAsPdfPrinter.toString());
        surface->setOutputFileName(output.Path);
        return surface;
    }
    return std::make_unique<PrinterSurface>(request.PrinterName);
}

// Where the album went, for the summary.
QString destination(const AlbumRequest& request)
{
    if (!request.PrinterName.isEmpty())
        return QCoreApplication::translate("quenbrook-album", "printer %1")
            .arg(request.PrinterName);
    if (request.OutputFile == OutputFile::StandardOutput)
        return QCoreApplication::translate("quenbrook-album", "standard output");
    return QDir::toNativeSeparators(request.OutputFile);
}

// The size of the file written; -1 for a printer, standard output, a FIFO or a device.
qint64 outputSize(const OutputPath& output)
{
    if (output.Path.isEmpty() || output.Path == OutputFile::StandardOutput)
        return -1;
    const QFileInfo written(output.Path);
    return written.isFile() ? written.size() : -1;
}

// The file the output name leads to, or nothing after saying why it cannot be written to.
std::optional<OutputPath> outputOf(const AlbumRequest& request)
{
    if (request.OutputFile.isEmpty())
        return OutputPath();
    const OutputPath output = ResolveOutputPath(request.OutputFile);
    if (const QString problem = OutputProblem(request.OutputFile, output); !problem.isEmpty()) {
        std::fputs(UsageText(problem).toLocal8Bit().constData(), stderr);
        return std::nullopt;
    }
    return output;
}

// The pictures, or nothing after saying why, with the exit status.
std::optional<QStringList> picturesOf(const AlbumRequest& request, const OutputPath& output,
                                      int& status)
{
    PictureList pictures =
        CollectPictures(request.PictureArguments, STDIN_FILENO, request.NulSeparated, &stopLoading);
    QString unusable;
    switch (pictures.Kind) {
    case PictureList::Trouble::Interrupted:
        status = interrupted();
        return std::nullopt;
    case PictureList::Trouble::Unreadable:
        tell(pictures.Problem);
        status = ExitFailed;
        return std::nullopt;
    case PictureList::Trouble::Unusable:
        unusable = pictures.Problem;
        break;
    case PictureList::Trouble::None:
        if (pictures.Paths.isEmpty())
            unusable =
                QCoreApplication::translate("quenbrook-album", "No pictures were found in %1.")
                    .arg(request.PictureArguments.join(QLatin1String(", ")));
        else if (!output.Path.isEmpty())
            unusable = OutputAmongPictures(request.OutputFile, output, pictures.Paths);
        break;
    }
    if (!unusable.isEmpty()) {
        std::fputs(UsageText(unusable).toLocal8Bit().constData(), stderr);
        status = ExitUsage;
        return std::nullopt;
    }
    return std::move(pictures.Paths);
}

// The user's settings with the command line's over them; the user's are read, never written.
PrintSettings settingsFor(const AlbumRequest& request, PageSurface& surface)
{
    SettingsStore store;
    PrintSettings settings;
    PrintSettingsLoader(store, surface).LoadAll(settings);
    ApplyRequest(request, settings);
    return settings;
}

// The album's layout on the surface, or nothing after saying why it has none.
std::optional<PageLayout> layoutOf(const PrintSettings& settings, qsizetype pictureCount,
                                   PageSurface& surface)
{
    const int count = int(std::min<qsizetype>(pictureCount, INT_MAX));
    const LayoutResult computed = ComputePageLayout(settings, count, surface);
    if (const auto* failure = std::get_if<LayoutFailure>(&computed)) {
        tell(failure->problem == LayoutProblem::NoCellFits ? NoCellFitsText(settings, failure->page)
                                                           : failure->message);
        return std::nullopt;
    }
    return std::get<PageLayout>(computed);
}

// Prints the pages of the range with progress; the exit status.
int printAlbum(const AlbumRequest& request, const OutputPath& output, const QStringList& pictures,
               const PrintSettings& settings, const PageLayout& layout, const PageRange& range,
               PrinterSurface& surface)
{
    ProgressLine progress(request.Quiet);
    const qint64 perPage = layout.PicturesPerPage;
    const qint64 first = (range.FromPage - 1) * perPage;
    progress.start(range.FromPage, range.ToPage,
                   std::min<qint64>(pictures.size(), range.ToPage * perPage) - first);

    int status = ExitDone;
    bool stopped = false;
    PrintJobSteps steps;
    steps.chooseRange = [&](qint32) { return range; };
    steps.stop = &stopLoading;
    steps.stopped = [&] { stopped = true; };
    // Pictures are taken in list order; one that fails is the one after the last drawn.
    qint64 next = first;
    steps.progress = [&](qint32 page, const QString& path) {
        progress.picture(page, path);
        ++next;
        return PictureStep::Draw;
    };
    steps.failed = [&](const QString& message) {
        progress.finish();
        tell(next < pictures.size() ? PictureMessage(pictures.at(next), message) : message);
        status = ExitFailed;
    };
    PrintPages(pictures, settings, layout, surface, steps);
    if (status == ExitDone && !stopped)
        progress.summary(range.ToPage - range.FromPage + 1, next - first, destination(request),
                         outputSize(output));
    progress.finish();
    // A stop that came once the album was in place is too late to take it back.
    return stopped ? interrupted() : status;
}

} // namespace

int RunAlbum(const AlbumRequest& request)
{
    const InterruptionWatch watch;
    const std::optional<OutputPath> output = outputOf(request);
    if (!output)
        return ExitUsage;
    int status = ExitDone;
    const std::optional<QStringList> pictures = picturesOf(request, *output, status);
    if (!pictures)
        return status;

    const std::unique_ptr<PrinterSurface> surface = openSurface(request, *output);
    if (const QString problem = surface->error(); !problem.isEmpty()) {
        tell(problem);
        return ExitFailed;
    }
    ApplyPaper(request, surface->printer());
    ApplyDocumentInfo(request, surface->printer());

    const PrintSettings settings = settingsFor(request, *surface);
    if (request.Paper && request.Paper->bySize) {
        surface->setExactPaperSize(true);
        QSizeF page = request.Paper->page.size(QPageSize::Millimeter) * 72 / 25.4;
        if (surface->printer().pageLayout().orientation() == QPageLayout::Landscape)
            page.transpose();
        if (const QString small = PaperSmallerThanCellText(settings, page.width(), page.height());
            !small.isEmpty()) {
            std::fputs(UsageText(small).toLocal8Bit().constData(), stderr);
            return ExitUsage;
        }
    }
    // The layout is known before the job starts, for the page range and the progress.
    const std::optional<PageLayout> layout = layoutOf(settings, pictures->size(), *surface);
    if (!layout)
        return ExitFailed;
    const std::optional<PageRange> range = pagesToPrint(request.Pages, layout->PageCount);
    if (!range)
        return ExitFailed;
    if (stopRaised(&stopLoading))
        return interrupted();
    return printAlbum(request, *output, *pictures, settings, *layout, *range, *surface);
}

} // namespace quenbrook
