// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/startup/HandOff.h"
#include "core/startup/HandOffRequest.h"

#include <QDeadlineTimer>
#include <QList>
#include <QObject>
#include <QStringList>

#include <memory>
#include <optional>

class QLocalServer;
class QLockFile;
class QLocalSocket;
class QTimer;

namespace quenbrook {

// How long and how much the two ends of the hand-off wait and keep. Tests shorten them.
struct HandOffLimits
{
    int attemptMs = 10000; // a later start: connect, send and acknowledgement, per attempt
    int attempts = 5;      // a later start: attempts in all before giving up
    int requestMs = 10000; // the running instance: a connection must deliver its request in time
    int connections = 512; // the running instance: connections open at once; beyond it the
                           // oldest unanswered one is dropped for the newcomer
};

// The hand-off over a local socket named after the program and the user, in a folder only the
// user can enter (HandOffFolder), with a lock file beside it: <socket>.lock. The instance is the
// process holding the lock, for its whole life; only it removes a socket left behind. A later
// start connects, checks the instance runs as the same user, sends one request and waits for the
// acknowledgement, reconnecting and sending the same request again on each attempt.
//
// A request is read by HandOffRequest; the answer, one byte, is sent once the command is queued.
// A request number seen lately is acknowledged but not queued again, so a request that was only
// slow to be answered still runs once. Every connection is served on its own, with its own time
// limit, so silent ones delay nobody.
class LocalHandOff : public QObject, public HandOff
{
    Q_OBJECT
public:
    static constexpr qsizetype MaxTextBytes = HandOffRequest::MaxTextBytes;

    explicit LocalHandOff(const HandOffLimits& limits = HandOffLimits(), QObject* parent = nullptr);
    ~LocalHandOff() override;

    // Decided once, by the lock alone. Without an application the instance listens from
    // LoadServer on. Without a safe folder this process runs on its own, serving nobody.
    bool PrevInstance() override;
    void SendCommand(const QString& text) override;
    void LoadServer(CommandHandler run) override;

    // SendCommand, telling whether the running instance acknowledged the command. Says on the
    // error output why when no instance of this user could be reached.
    bool sendAndConfirm(const QString& text);

    // The socket's path; empty when there is no safe folder for it (problem() says why).
    QString endpoint() const { return endpoint_; }
    QString problem() const { return problem_; }
    // True while this instance listens for later starts.
    bool isServing() const;

private:
    struct Waiting
    {
        QLocalSocket* socket;
        QDeadlineTimer deadline;
    };

    bool decide();
    bool listen();
    void acceptConnections();
    void readRequest(QLocalSocket* socket);
    bool isWaiting(QLocalSocket* socket) const;
    void forget(QLocalSocket* socket);
    void drop(QLocalSocket* socket);
    void dropExpired();
    void scheduleRun();
    void runNext();

    HandOffLimits limits_;
    QString endpoint_;
    QString problem_;
    std::optional<bool> later_;       // PrevInstance's answer, once given
    std::unique_ptr<QLockFile> lock_; // held while this process is the instance
    QLocalServer* server_ = nullptr;
    QTimer* expiry_ = nullptr; // fires when the oldest waiting connection runs out of time
    QList<Waiting> waiting_;   // connections not answered yet, oldest first
    CommandHandler run_;
    QStringList queue_;
    QList<quint64> recentRequests_;
    bool running_ = false;
};

} // namespace quenbrook
