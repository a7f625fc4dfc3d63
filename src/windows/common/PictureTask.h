// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/pictures/LoadStop.h"

#include <QFutureWatcher>
#include <QPromise>
#include <QThreadPool>

#include <algorithm>
#include <atomic>
#include <functional>
#include <memory>

namespace quenbrook {

// Work for a window done on the thread pool, so the window thread goes on answering while
// pictures load. Each result the work reports comes back to the window thread, in the order
// reported; a new start, drop() or the task's end raises the work's stop and throws away whatever
// it still reports. The work must not touch the window: it gets copies of what it needs. Started
// with several runs, that many pool threads run the work at once, sharing what it captured.
template <typename T> class PictureTask
{
public:
    // Runs on a pool thread; reports results with promise.addResult(...).
    using Work = std::function<void(QPromise<T>& promise, const LoadStop& stop)>;
    // Run on the window thread, for each result and once at the end of the work.
    using Receive = std::function<void(const T& result)>;
    using Finished = std::function<void()>;

    PictureTask() = default;
    ~PictureTask() { drop(); }
    PictureTask(const PictureTask&) = delete;
    PictureTask& operator=(const PictureTask&) = delete;

    void start(Work work, Receive receive, Finished finished = {}, int runs = 1)
    {
        drop();
        auto stop = std::make_shared<LoadStop>(false);
        auto promise = std::make_shared<QPromise<T>>();
        promise->start();
        watcher_ = new QFutureWatcher<T>;
        QFutureWatcher<T>* watcher = watcher_;
        QObject::connect(watcher, &QFutureWatcherBase::resultReadyAt, watcher,
                         [watcher, receive](int index) { receive(watcher->resultAt(index)); });
        QObject::connect(watcher, &QFutureWatcherBase::finished, watcher,
                         [this, watcher, finished] {
                             // Only the watcher of the running work gets here: drop() disconnects
                             // the others.
                             if (watcher_ == watcher) {
                                 stop_.reset();
                                 watcher_ = nullptr;
                                 watcher->deleteLater();
                             }
                             if (finished)
                                 finished();
                         });
        watcher->setFuture(promise->future());
        stop_ = stop;
        auto shared = std::make_shared<const Work>(std::move(work));
        runs = std::max(1, runs);
        auto left = std::make_shared<std::atomic<int>>(runs);
        for (int run = 0; run < runs; ++run)
            QThreadPool::globalInstance()->start([promise, stop, shared, left] {
                (*shared)(*promise, *stop);
                if (--*left == 0)
                    promise->finish();
            });
    }

    // Gives the running work up: its stop is raised and nothing more comes back from it.
    void drop()
    {
        if (stop_)
            stop_->store(true);
        stop_.reset();
        if (watcher_) {
            // It may be the one whose signal is being handled; it goes once that is done.
            watcher_->disconnect();
            watcher_->deleteLater();
            watcher_ = nullptr;
        }
    }

    bool running() const { return watcher_ != nullptr; }

private:
    std::shared_ptr<LoadStop> stop_;
    QFutureWatcher<T>* watcher_ = nullptr;
};

} // namespace quenbrook
