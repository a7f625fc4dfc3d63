// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/album/PicturesAhead.h"

#include "core/program/PictureFileTypes.h"

#include <QFileInfo>
#include <QThreadPool>

#include <algorithm>
#include <chrono>
#include <memory>
#include <thread>

namespace quenbrook {
namespace {

// Metafiles become SVG renderers, objects that belong to the thread that made them; a file that
// could not be opened has nothing to decode.
bool decodedAhead(const PictureLoader::OpenResult& opened, const QString& path)
{
    const PictureType* type = PictureTypeOf(QFileInfo(path).suffix());
    return std::holds_alternative<PictureLoader::OpenedPicture>(opened) && type &&
           !IsMetafile(*type);
}

PictureResult decoded(PictureLoader::OpenResult opened, QSize size, const LoadStop* stop)
{
    if (auto* error = std::get_if<PictureError>(&opened))
        return std::move(*error);
    return PictureLoader::decode(std::get<PictureLoader::OpenedPicture>(std::move(opened)), size,
                                 stop);
}

// Decoding threads that stay from one picture and one job to the next: a thread of its own for
// each picture would start with memory of its own, mapped afresh and faulted in page by page.
QThreadPool& decoders()
{
    static QThreadPool pool;
    static const bool sized = [] {
        pool.setMaxThreadCount(PicturesAhead::workersForThisMachine());
        return true;
    }();
    Q_UNUSED(sized);
    return pool;
}

std::future<PictureResult> decodeAhead(PictureLoader::OpenResult opened, QSize size,
                                       const LoadStop* stop)
{
    auto promise = std::make_shared<std::promise<PictureResult>>();
    std::future<PictureResult> picture = promise->get_future();
    decoders().start([promise, opened = std::move(opened), size, stop]() mutable {
        promise->set_value(decoded(std::move(opened), size, stop));
    });
    return picture;
}

} // namespace

PicturesAhead::PicturesAhead(const QStringList& printList, qint64 first, qint64 last,
                             QSize decodePixels, int workers, const LoadStop* stop,
                             qint64 budgetBytes)
    : printList_(printList)
    , last_(std::min<qint64>(last, printList.size() - 1))
    , decodePixels_(decodePixels)
    , workers_(std::max(1, workers))
    , stop_(stop)
    , budget_(budgetBytes)
    , next_(std::max<qint64>(first, 0))
    , started_(next_)
{
    startWhileRoom();
}

PicturesAhead::~PicturesAhead()
{
    for (auto& decoding : ahead_)
        if (decoding.picture.wait_for(std::chrono::seconds(0)) != std::future_status::deferred)
            decoding.picture.wait();
}

int PicturesAhead::workersForThisMachine()
{
    return int(std::max(1u, std::thread::hardware_concurrency()));
}

void PicturesAhead::startWhileRoom()
{
    while (qint64(ahead_.size()) < workers_ && started_ <= last_) {
        const QString path = printList_.at(started_);
        // Read and walked once here; the worker decodes the same bytes.
        if (!nextOpened_)
            nextOpened_ = PictureLoader::open(path, stop_);
        const auto* opened = std::get_if<PictureLoader::OpenedPicture>(&*nextOpened_);
        const qint64 bytes = opened ? opened->heldBytes(decodePixels_) : 0;
        // With nothing held, the next picture starts whatever it holds.
        if ((held_ > 0 || !ahead_.empty()) && held_ + aheadBytes_ + bytes > budget_)
            return;
        // A metafile is converted when taken, on the taker's thread.
        ahead_.push_back({decodedAhead(*nextOpened_, path)
                              ? decodeAhead(std::move(*nextOpened_), decodePixels_, stop_)
                              : std::async(std::launch::deferred, decoded, std::move(*nextOpened_),
                                           decodePixels_, stop_),
                          bytes});
        nextOpened_.reset();
        aheadBytes_ += bytes;
        ++started_;
    }
}

PictureResult PicturesAhead::take(qint64 index, const QString& path,
                                  const std::function<void()>& whileWaiting)
{
    held_ = 0; // the picture taken before is let go of by now
    if (ahead_.empty())
        startWhileRoom();
    if (index != next_ || ahead_.empty() || path != printList_.at(index))
        return PictureLoader::loadUnlessStopped(path, decodePixels_, stop_);
    Ahead taken = std::move(ahead_.front());
    ahead_.pop_front();
    aheadBytes_ -= taken.bytes;
    held_ = taken.bytes;
    ++next_;
    startWhileRoom();
    while (whileWaiting &&
           taken.picture.wait_for(std::chrono::milliseconds(50)) == std::future_status::timeout)
        whileWaiting();
    return taken.picture.get();
}

} // namespace quenbrook
