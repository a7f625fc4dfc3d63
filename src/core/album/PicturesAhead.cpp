#include "core/album/PicturesAhead.h"

#include "core/program/PictureFileTypes.h"

#include <QFileInfo>

#include <algorithm>
#include <chrono>
#include <thread>

namespace quenbrook {
namespace {

// Metafiles become SVG renderers, objects that belong to the thread that made them.
bool decodedAhead(const QString& path)
{
    const PictureType* type = PictureTypeOf(QFileInfo(path).suffix());
    return !type || !IsMetafile(*type);
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
        if (nextBytes_ < 0)
            nextBytes_ = PictureLoader::heldBytes(path, decodePixels_);
        // With nothing held, the next picture starts whatever it holds.
        if ((held_ > 0 || !ahead_.empty()) && held_ + aheadBytes_ + nextBytes_ > budget_)
            return;
        // A metafile is converted when taken, on the taker's thread.
        const auto policy = decodedAhead(path) ? std::launch::async : std::launch::deferred;
        ahead_.push_back({std::async(policy,
                                     [path, size = decodePixels_, stop = stop_] {
                                         return PictureLoader::loadUnlessStopped(path, size, stop);
                                     }),
                          nextBytes_});
        aheadBytes_ += nextBytes_;
        nextBytes_ = -1;
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
