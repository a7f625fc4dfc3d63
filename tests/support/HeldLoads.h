// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// Picture loads a test holds up, and a count of the opens of a file.

#include "core/pictures/PictureLoader.h"

#include <QFile>
#include <QMutex>
#include <QMutexLocker>
#include <QStringList>
#include <QThreadPool>
#include <QWaitCondition>

#include <sys/inotify.h>
#include <unistd.h>

#include <functional>

namespace testsupport {

// A picture loader, called from the windows' loading threads, that holds every load of the
// file given to hold() ("*": of every file) until release() or until the load's stop is raised;
// it then loads (or refuses, when stopped). It remembers every path and box asked for, every
// load that was stopped and every load that has come back.
class HeldLoads
{
public:
    // Releases whatever is still held and waits for the loading threads, so no load outlives
    // the test.
    ~HeldLoads()
    {
        release();
        QThreadPool::globalInstance()->waitForDone();
    }

    quenbrook::PictureResult load(const QString& path, QSize box, const quenbrook::LoadStop* stop,
                                  const quenbrook::RowsDecoded& rows = {})
    {
        QMutexLocker lock(&mutex_);
        asked_ << path;
        boxes_ << box;
        if (!released_ && (held_ == QLatin1String("*") || path == held_)) {
            ++holding_;
            while (!released_ && !quenbrook::stopRaised(stop))
                changed_.wait(&mutex_, 5);
            --holding_;
            if (quenbrook::stopRaised(stop)) {
                stopped_ << path;
                return quenbrook::PictureError{QStringLiteral("stopped")};
            }
        }
        lock.unlock();
        quenbrook::PictureResult result =
            quenbrook::PictureLoader::loadUnlessStopped(path, box, stop, rows);
        lock.relock();
        answered_ << path;
        return result;
    }
    // The loader for a window: this object must outlive the window's loads.
    auto loader() { return std::bind_front(&HeldLoads::load, this); }

    void hold(const QString& path)
    {
        QMutexLocker lock(&mutex_);
        held_ = path;
        released_ = false;
    }
    void release()
    {
        QMutexLocker lock(&mutex_);
        released_ = true;
        changed_.wakeAll();
    }
    // Loads held at this moment.
    int holding() { return locked(holding_); }
    QStringList asked() { return locked(asked_); }
    QList<QSize> boxes() { return locked(boxes_); }
    QStringList stopped() { return locked(stopped_); }
    QStringList answered() { return locked(answered_); }

private:
    template <typename T> T locked(const T& value)
    {
        QMutexLocker lock(&mutex_);
        return value;
    }

    QMutex mutex_;
    QWaitCondition changed_;
    QString held_;
    bool released_ = false;
    int holding_ = 0;
    QStringList asked_;
    QList<QSize> boxes_;
    QStringList stopped_;
    QStringList answered_;
};

// Counts the times a file is opened, by anyone, from its making on (Linux inotify).
class OpenCount
{
public:
    explicit OpenCount(const QString& path)
        : fd_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
    {
        inotify_add_watch(fd_, QFile::encodeName(path).constData(), IN_OPEN);
    }
    ~OpenCount() { close(fd_); }
    Q_DISABLE_COPY(OpenCount)

    // Opens since the last call.
    int take()
    {
        int opens = 0;
        alignas(inotify_event) char buffer[4096];
        for (ssize_t got; (got = read(fd_, buffer, sizeof buffer)) > 0;)
            for (ssize_t at = 0; at < got;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
                opens += (event->mask & IN_OPEN) ? 1 : 0;
                at += ssize_t(sizeof(inotify_event) + event->len);
            }
        return opens;
    }

private:
    int fd_;
};

} // namespace testsupport
