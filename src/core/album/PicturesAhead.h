// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/pictures/DecodeLimits.h"
#include "core/pictures/PictureLoader.h"

#include <QSize>
#include <QStringList>
#include <QtGlobal>

#include <deque>
#include <functional>
#include <future>
#include <optional>

namespace quenbrook {

// The pictures of a print job, decoded ahead of the drawing on worker threads, in list order.
// At most `workers` pictures are decoding or waiting, and together with the one the caller holds
// they stay within one memory budget (judged from each file's headers), however many cores the
// machine has: a picture that does not fit waits until it is taken. Each file is read and walked
// once, on the caller's thread, and decoded from those bytes. Metafiles are converted when taken,
// on the caller's thread.
class PicturesAhead
{
public:
    // Entries first to last of the list (counted from 0), each decoded for decodePixels.
    // Raising `stop` makes the decodes under way give up.
    PicturesAhead(const QStringList& printList, qint64 first, qint64 last, QSize decodePixels,
                  int workers, const LoadStop* stop = nullptr,
                  qint64 budgetBytes = MaxDecodedBytes);
    // Waits for the decodes under way.
    ~PicturesAhead();
    PicturesAhead(const PicturesAhead&) = delete;
    PicturesAhead& operator=(const PicturesAhead&) = delete;

    // The picture of a list entry; the picture taken before must have been let go of. Entries
    // are taken in order; one out of order, or out of the range, is loaded on the spot. While
    // a picture decoded ahead is not ready, whileWaiting is called every 50 ms or so.
    PictureResult take(qint64 index, const QString& path,
                       const std::function<void()>& whileWaiting = {});

    // Pictures decoding or decoded and not yet taken.
    int waiting() const { return int(ahead_.size()); }

    // One worker a core.
    static int workersForThisMachine();

private:
    struct Ahead
    {
        std::future<PictureResult> picture;
        qint64 bytes = 0;
    };
    void startWhileRoom();

    const QStringList printList_;
    const qint64 last_;
    const QSize decodePixels_;
    const int workers_;
    const LoadStop* stop_;
    const qint64 budget_;
    qint64 next_;                                         // the entry take() expects
    qint64 started_;                                      // the first entry not yet started
    std::optional<PictureLoader::OpenResult> nextOpened_; // entry started_, once read
    qint64 held_ = 0;                                     // what the last picture taken holds
    qint64 aheadBytes_ = 0;                               // what the pictures ahead hold
    std::deque<Ahead> ahead_;                             // entries next_ .. started_ - 1
};

} // namespace quenbrook
