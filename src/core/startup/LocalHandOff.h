#pragma once

#include "core/startup/HandOff.h"
#include "core/startup/HandOffRequest.h"

#include <QList>
#include <QObject>
#include <QStringList>

#include <memory>

class QLocalServer;
class QLockFile;
class QLocalSocket;

namespace quenbrook {

// How long the two ends of the hand-off wait. Tests shorten them.
struct HandOffTiming
{
    int attemptMs = 10000; // a later start: connect, send and acknowledgement, per attempt
    int attempts = 5;      // a later start: attempts in all before giving up
    int requestMs = 10000; // the running instance: a connection must deliver its request in time
};

// The hand-off over a local socket in the user's runtime folder, named after the program and the
// user. A later start connects, sends one request and waits for the running instance's
// acknowledgement, reconnecting and sending the same request again on each attempt.
//
// A request is read by HandOffRequest; the answer, one byte, is sent once the command is queued.
// A request number seen lately is acknowledged but not queued again, so a request that was only
// slow to be answered still runs once.
class LocalHandOff : public QObject, public HandOff
{
    Q_OBJECT
public:
    static constexpr qsizetype MaxTextBytes = HandOffRequest::MaxTextBytes;
    static constexpr int MaxConnections = 32;

    explicit LocalHandOff(const HandOffTiming& timing = HandOffTiming(), QObject* parent = nullptr);
    ~LocalHandOff() override;

    bool PrevInstance() override;
    void SendCommand(const QString& text) override;
    void LoadServer(CommandHandler run) override;

    // SendCommand, telling whether the running instance acknowledged the command.
    bool sendAndConfirm(const QString& text);

    // The socket's path.
    QString endpoint() const { return endpoint_; }
    // True while this instance listens for later starts.
    bool isServing() const;

private:
    bool listen();
    void acceptConnections();
    void readRequest(QLocalSocket* socket);
    void scheduleRun();
    void runNext();

    HandOffTiming timing_;
    QString endpoint_;
    QLocalServer* server_ = nullptr;
    CommandHandler run_;
    QStringList queue_;
    QList<quint64> recentRequests_;
    bool running_ = false;
    std::unique_ptr<QLockFile> turn_; // held from a PrevInstance that said no until listening
    int taken_ = 0;                   // connections taken from the server's queue and not yet ended
};

} // namespace quenbrook
