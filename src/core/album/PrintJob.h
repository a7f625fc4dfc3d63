// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/album/AlbumPage.h"
#include "core/album/PrintSettings.h"
#include "core/pictures/LoadStop.h"

#include <QList>
#include <QStringList>
#include <QtGlobal>

#include <functional>
#include <optional>
#include <utility>

namespace quenbrook {

class PageSurface;
struct PageLayout;

// Pages to print, counted from 1 for the first page of the list.
struct PageRange
{
    qint32 FromPage = 1;
    qint32 ToPage = 1;
};

// The pages a job draws, in the order they go on paper: run after run, each from its FromPage
// to its ToPage. A page may come more than once (copies); a run whose FromPage is past its
// ToPage draws nothing, and pages outside the album are passed over.
struct PageSequence
{
    PageSequence() = default;
    // One run. Not explicit: a range is the usual sequence.
    PageSequence(const PageRange& range)
        : Runs{range}
    {}
    explicit PageSequence(QList<PageRange> runs)
        : Runs(std::move(runs))
    {}

    QList<PageRange> Runs;
};

// Asks which of the pages 1 to pageCount to print; nothing when the user cancels or the
// question cannot be asked.
using PageRangeChooser = std::function<std::optional<PageSequence>(qint32 pageCount)>;

// What the print loop asks of whoever runs it. Every step may be left empty.
struct PrintJobSteps
{
    // The grid does not fit the printer; nothing is printed.
    std::function<void(const QString& message)> layoutFailed;
    PageRangeChooser chooseRange;
    // The range is chosen and the first page is about to be drawn.
    std::function<void()> started;
    // Before each picture: Stop ends the job silently (Cancel).
    std::function<PictureStep(qint32 page, const QString& path)> progress;
    // An unreadable picture or a printer failure, after which the document is abandoned.
    std::function<void(const QString& message)> failed;
    // Ended by Stop or by the stop below; the document is abandoned.
    std::function<void()> stopped;
    // Raised by whoever runs the job to stop it at once, in the middle of a picture too, or
    // while the document is being ended: it is then abandoned.
    const LoadStop* stop = nullptr;
    // Called every 50 ms or so while the job waits for a picture decoded ahead.
    std::function<void()> waiting;
};

// Lays the album out on the printer, asks for the page range, then draws page after page.
// The document is ended only when every page was drawn and the stop was not raised by the time
// it would take its place; every other way out abandons it.
void PrintPages(const QStringList& printList, const PrintSettings& settings, PageSurface& printer,
                const PrintJobSteps& steps);
// The same with the layout already computed on this printer for this list and these settings.
void PrintPages(const QStringList& printList, const PrintSettings& settings,
                const PageLayout& layout, PageSurface& printer, const PrintJobSteps& steps);

} // namespace quenbrook
