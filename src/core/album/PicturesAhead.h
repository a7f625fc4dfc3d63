#pragma once

#include "core/pictures/PictureLoader.h"

#include <QSize>
#include <QStringList>
#include <QtGlobal>

#include <deque>
#include <future>

namespace quenbrook {

// The pictures of a print job, decoded ahead of the drawing on worker threads, in list order.
// At most `workers` pictures are decoding or waiting, besides the one the caller holds, so memory
// stays flat however long the album is. Metafiles are converted when taken, on the caller's thread.
class PicturesAhead
{
public:
    // Entries first to last of the list (counted from 0), each decoded for decodePixels.
    PicturesAhead(const QStringList& printList, qint64 first, qint64 last, QSize decodePixels,
                  int workers);
    // Waits for the decodes under way.
    ~PicturesAhead();
    PicturesAhead(const PicturesAhead&) = delete;
    PicturesAhead& operator=(const PicturesAhead&) = delete;

    // The picture of a list entry. Entries are taken in order; one out of order, or out of the
    // range, is loaded on the spot.
    PictureResult take(qint64 index, const QString& path);

    // One worker a core.
    static int workersForThisMachine();

private:
    void startNext();

    const QStringList printList_;
    const qint64 last_;
    const QSize decodePixels_;
    const int workers_;
    qint64 next_;                                  // the entry take() expects
    qint64 started_;                               // the first entry not yet started
    std::deque<std::future<PictureResult>> ahead_; // entries next_ .. started_ - 1
};

} // namespace quenbrook
