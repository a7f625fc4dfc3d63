#include "cli/RunAlbum.h"

#include "cli/AlbumOptions.h"
#include "cli/ApplyRequest.h"
#include "cli/LayoutMessage.h"
#include "cli/PictureArguments.h"
#include "cli/ProgressLine.h"
#include "cli/SettingsReader.h"
#include "core/album/PageLayout.h"
#include "core/platform/OutputFile.h"
#include "core/settings/SettingsStore.h"
#include "print/PrinterSurface.h"
#include "print/Printers.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <csignal>
#include <cstdio>

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

// Ctrl+C, a closed terminal or a kill end the job, a picture being loaded given up, so the spool
// file is removed and an older output file stays.
class InterruptionWatch
{
public:
    InterruptionWatch()
    {
        for (int signal : {SIGINT, SIGTERM, SIGHUP})
            std::signal(signal, noteInterruption);
    }
    ~InterruptionWatch()
    {
        for (int signal : {SIGINT, SIGTERM, SIGHUP})
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

// The pages to print, or nothing (after saying why) when the album has no such page.
std::optional<PageRange> pagesToPrint(const std::optional<PageRange>& asked, qint32 pageCount)
{
    if (!asked)
        return PageRange{1, pageCount};
    if (asked->FromPage > pageCount) {
        tell(QStringLiteral("The album has %1 page%2, so it has no page %3.")
                 .arg(pageCount)
                 .arg(pageCount == 1 ? QString() : QStringLiteral("s"))
                 .arg(asked->FromPage));
        return std::nullopt;
    }
    return PageRange{asked->FromPage, std::min(asked->ToPage, pageCount)};
}

std::unique_ptr<PrinterSurface> openSurface(const AlbumRequest& request)
{
    if (request.PrinterName.isEmpty()) {
        auto surface = std::make_unique<PrinterSurface>(SaveAsPdfPrinter.toString());
        surface->setOutputFileName(
            request.OutputFile == OutputFile::StandardOutput
                ? request.OutputFile
                : QDir::cleanPath(QDir::current().absoluteFilePath(request.OutputFile)));
        return surface;
    }
    return std::make_unique<PrinterSurface>(request.PrinterName);
}

// Where the album went, for the summary.
QString destination(const AlbumRequest& request)
{
    if (!request.PrinterName.isEmpty())
        return QStringLiteral("printer ") + request.PrinterName;
    if (request.OutputFile == OutputFile::StandardOutput)
        return QStringLiteral("standard output");
    return QDir::toNativeSeparators(request.OutputFile);
}

// The size of the file written; -1 for a printer, standard output, a FIFO or a device.
qint64 outputSize(const AlbumRequest& request)
{
    if (request.OutputFile.isEmpty() || request.OutputFile == OutputFile::StandardOutput)
        return -1;
    const QFileInfo written(request.OutputFile);
    return written.isFile() ? written.size() : -1;
}

} // namespace

int RunAlbum(const AlbumRequest& request)
{
    const PictureList pictures =
        CollectPictures(request.PictureArguments, stdin, request.NulSeparated);
    if (!pictures.Problem.isEmpty()) {
        tell(pictures.Problem);
        return ExitFailed;
    }
    QString unusable;
    if (pictures.Paths.isEmpty())
        unusable = QStringLiteral("No pictures were found in %1.")
                       .arg(request.PictureArguments.join(QLatin1String(", ")));
    else if (!request.OutputFile.isEmpty())
        unusable = OutputAmongPictures(request.OutputFile, pictures.Paths);
    if (!unusable.isEmpty()) {
        std::fputs(UsageText(unusable).toLocal8Bit().constData(), stderr);
        return ExitUsage;
    }

    const std::unique_ptr<PrinterSurface> surface = openSurface(request);
    if (const QString problem = surface->error(); !problem.isEmpty()) {
        tell(problem);
        return ExitFailed;
    }
    ApplyPaper(request, surface->printer());
    ApplyDocumentInfo(request, surface->printer());

    SettingsStore store;
    SettingsReader reader(store, *surface);
    PrintSettings settings;
    reader.LoadAll(settings);
    ApplyRequest(request, settings, reader);

    // The layout is known before the job starts, for the page range and the progress.
    const int count = int(std::min<qsizetype>(pictures.Paths.size(), INT_MAX));
    const LayoutResult planned = ComputePageLayout(settings, count, *surface);
    if (const auto* failure = std::get_if<LayoutFailure>(&planned)) {
        tell(failure->problem == LayoutProblem::NoCellFits ? NoCellFitsText(settings, *surface)
                                                           : failure->message);
        return ExitFailed;
    }
    const PageLayout& layout = std::get<PageLayout>(planned);
    const std::optional<PageRange> range = pagesToPrint(request.Pages, layout.PageCount);
    if (!range)
        return ExitFailed;

    ProgressLine progress(request.Quiet);
    const qint64 perPage = layout.PicturesPerPage;
    progress.start(range->FromPage, range->ToPage,
                   std::min<qint64>(count, range->ToPage * perPage) -
                       (range->FromPage - 1) * perPage);

    int status = ExitDone;
    bool stopped = false;
    const InterruptionWatch watch;
    PrintJobSteps steps;
    steps.layoutFailed = [&](const QString& message) {
        progress.finish();
        tell(message);
        status = ExitFailed;
    };
    steps.chooseRange = [&](qint32) { return range; };
    steps.stop = &stopLoading;
    steps.stopped = [&] { stopped = true; };
    // Pictures are taken in list order; one that fails is the one after the last drawn.
    qint64 next = (range->FromPage - 1) * perPage;
    steps.progress = [&](qint32 page, const QString& path) {
        progress.picture(page, path);
        ++next;
        return PictureStep::Draw;
    };
    steps.failed = [&](const QString& message) {
        progress.finish();
        tell(next < pictures.Paths.size() ? PictureMessage(pictures.Paths.at(next), message)
                                          : message);
        status = ExitFailed;
    };
    PrintPages(pictures.Paths, settings, *surface, steps);
    if (status == ExitDone && !stopped)
        progress.summary(range->ToPage - range->FromPage + 1,
                         next - (range->FromPage - 1) * perPage, destination(request),
                         outputSize(request));
    progress.finish();
    if (stopped) {
        tell(QStringLiteral("Interrupted; nothing was printed."));
        return 128 + interruption;
    }
    return status;
}

} // namespace quenbrook
