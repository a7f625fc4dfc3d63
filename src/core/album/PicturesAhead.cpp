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
    const auto format = PictureFormatOf(QFileInfo(path).suffix());
    return format != PictureFormat::WindowsMetafile && format != PictureFormat::EnhancedMetafile;
}

} // namespace

PicturesAhead::PicturesAhead(const QStringList& printList, qint64 first, qint64 last,
                             QSize decodePixels, int workers)
    : printList_(printList)
    , last_(std::min<qint64>(last, printList.size() - 1))
    , decodePixels_(decodePixels)
    , workers_(std::max(1, workers))
    , next_(std::max<qint64>(first, 0))
    , started_(next_)
{
    while (qint64(ahead_.size()) < workers_ && started_ <= last_)
        startNext();
}

PicturesAhead::~PicturesAhead()
{
    for (auto& decoding : ahead_)
        if (decoding.wait_for(std::chrono::seconds(0)) != std::future_status::deferred)
            decoding.wait();
}

int PicturesAhead::workersForThisMachine()
{
    return int(std::max(1u, std::thread::hardware_concurrency()));
}

void PicturesAhead::startNext()
{
    const QString path = printList_.at(started_++);
    // A metafile is converted when taken, on the taker's thread.
    const auto policy = decodedAhead(path) ? std::launch::async : std::launch::deferred;
    ahead_.push_back(std::async(
        policy, [path, size = decodePixels_] { return PictureLoader::load(path, size); }));
}

PictureResult PicturesAhead::take(qint64 index, const QString& path)
{
    if (index != next_ || ahead_.empty() || path != printList_.at(index))
        return PictureLoader::load(path, decodePixels_);
    std::future<PictureResult> decoding = std::move(ahead_.front());
    ahead_.pop_front();
    ++next_;
    if (started_ <= last_)
        startNext();
    return decoding.get();
}

} // namespace quenbrook
