// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/startup/LocalHandOff.h"

#include "core/program/Application.h"
#include "core/startup/HandOffFolder.h"
#include "core/startup/HandOffRequest.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <unistd.h>

namespace quenbrook {
namespace {

using HandOffRequest::Ack;
using HandOffRequest::HeaderSize;
// Request numbers remembered to recognise a request sent again.
constexpr qsizetype RecentRequests = 64;
// Starts that come while the instance is busy wait in the listen queue, not turned away.
constexpr int ListenBacklog = 1024;
// How often a later start knocks again while the instance is not listening yet.
constexpr int ReconnectMs = 50;

int remaining(const QDeadlineTimer& deadline)
{
    return int(qMax<qint64>(0, deadline.remainingTime()));
}

QString lockPath(const QString& endpoint)
{
    return endpoint + QStringLiteral(".lock");
}

// False once the instance holding the lock has ended, crashed or not: nobody will answer.
bool instanceLives(const QString& endpoint)
{
    if (!QFileInfo::exists(lockPath(endpoint)))
        return false;
    qint64 pid = 0;
    QString host, application;
    if (!QLockFile(lockPath(endpoint)).getLockInfo(&pid, &host, &application))
        return true; // still being written
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

enum class Attempt
{
    Acknowledged,
    NotReached, // nobody listening in time
    Ended,      // the instance is gone
    OtherUser,  // the socket is served by someone else
    Unanswered
};

// One attempt: connect, send, wait for the acknowledgement.
Attempt tryRequest(const QString& endpoint, const QByteArray& bytes, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    // The instance holds the lock before it listens: while it starts, there is no socket yet or
    // a crashed one's, which refuses.
    for (;;) {
        socket.connectToServer(endpoint);
        if (socket.waitForConnected(remaining(deadline)))
            break;
        socket.abort();
        if (!instanceLives(endpoint))
            return Attempt::Ended;
        if (deadline.hasExpired())
            return Attempt::NotReached;
        QThread::msleep(std::min(ReconnectMs, remaining(deadline)));
    }
    if (!PeerIsThisUser(socket.socketDescriptor()))
        return Attempt::OtherUser;
    socket.write(bytes);
    while (socket.bytesToWrite() > 0)
        if (!socket.waitForBytesWritten(remaining(deadline)))
            return Attempt::Unanswered;
    while (socket.bytesAvailable() < 1)
        if (!socket.waitForReadyRead(remaining(deadline)))
            return Attempt::Unanswered;
    return socket.read(1) == QByteArray(1, Ack) ? Attempt::Acknowledged : Attempt::Unanswered;
}

} // namespace

LocalHandOff::LocalHandOff(const HandOffLimits& limits, QObject* parent)
    : QObject(parent)
    , limits_(limits)
{
    const HandOffFolder folder = ChooseHandOffFolder();
    problem_ = folder.problem;
    if (!folder.path.isEmpty())
        endpoint_ = QDir(folder.path)
                        .filePath(QString::fromUtf16(ApplicationTitle) +
                                  QStringLiteral("-%1.handoff").arg(::geteuid()));
}

LocalHandOff::~LocalHandOff()
{
    // The socket goes before the lock, so whoever takes the lock next finds none.
    if (server_)
        server_->close();
}

bool LocalHandOff::isServing() const
{
    return server_ && server_->isListening();
}

bool LocalHandOff::PrevInstance()
{
    if (!later_)
        later_ = decide();
    return *later_;
}

bool LocalHandOff::decide()
{
    if (endpoint_.isEmpty()) {
        qWarning("Quenbrook: later starts cannot hand their files over: %s", qPrintable(problem_));
        return false;
    }
    auto lock = std::make_unique<QLockFile>(lockPath(endpoint_));
    // Held for the instance's whole life: only a dead owner makes it stale.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        lock_ = std::move(lock);
        if (QCoreApplication::instance())
            listen();
        return false;
    }
    if (lock->error() == QLockFile::LockFailedError)
        return true;
    qWarning("Quenbrook: could not lock %s, so later starts cannot hand their files over",
             qPrintable(QDir::toNativeSeparators(lock->fileName())));
    return false;
}

bool LocalHandOff::listen()
{
    // Only the lock holder gets here, so a socket file left behind is a crashed instance's.
    QLocalServer::removeServer(endpoint_);
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    server_->setListenBacklogSize(ListenBacklog);
    server_->setMaxPendingConnections(ListenBacklog);
    connect(server_, &QLocalServer::newConnection, this, &LocalHandOff::acceptConnections);
    expiry_ = new QTimer(this);
    expiry_->setSingleShot(true);
    connect(expiry_, &QTimer::timeout, this, &LocalHandOff::dropExpired);
    if (server_->listen(endpoint_))
        return true;
    qWarning("Quenbrook: later starts cannot hand their files over: %s",
             qPrintable(server_->errorString()));
    return false;
}

void LocalHandOff::SendCommand(const QString& text)
{
    sendAndConfirm(text);
}

bool LocalHandOff::sendAndConfirm(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    if (utf8.size() > MaxTextBytes) {
        qWarning("Quenbrook: the command line is too long to hand over (%lld bytes, at most %lld)",
                 qlonglong(utf8.size()), qlonglong(MaxTextBytes));
        return false;
    }
    const QByteArray bytes = HandOffRequest::Encode(QRandomGenerator::system()->generate64(), utf8);
    bool reached = false;
    for (int attempt = 0; attempt < limits_.attempts; ++attempt) {
        switch (tryRequest(endpoint_, bytes, limits_.attemptMs)) {
        case Attempt::Acknowledged:
            return true;
        case Attempt::OtherUser:
            qWarning("Quenbrook: %s is served by another user; the command was not handed over",
                     qPrintable(QDir::toNativeSeparators(endpoint_)));
            return false;
        case Attempt::Ended:
            qWarning("Quenbrook: the running instance ended before taking the command");
            return false;
        case Attempt::Unanswered:
            reached = true;
            break;
        case Attempt::NotReached:
            break;
        }
    }
    // An instance that took the request and never answered is given up silently.
    if (!reached)
        qWarning("Quenbrook: the running instance does not answer at %s; the command was not "
                 "handed over",
                 qPrintable(QDir::toNativeSeparators(endpoint_)));
    return false;
}

void LocalHandOff::LoadServer(CommandHandler run)
{
    if (!server_ && lock_)
        listen();
    run_ = std::move(run);
    scheduleRun();
}

void LocalHandOff::acceptConnections()
{
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        if (!PeerIsThisUser(socket->socketDescriptor())) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        if (waiting_.size() >= limits_.connections)
            drop(waiting_.first().socket);
        waiting_.append({socket, QDeadlineTimer(limits_.requestMs)});
        socket->setReadBufferSize(HeaderSize + MaxTextBytes);
        connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
            forget(socket);
            socket->deleteLater();
        });
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readRequest(socket); });
        readRequest(socket);
        // A client that left while waiting in the queue sends no further signal.
        if (socket->state() == QLocalSocket::UnconnectedState) {
            forget(socket);
            socket->deleteLater();
        }
    }
    if (!waiting_.isEmpty() && !expiry_->isActive())
        expiry_->start(remaining(waiting_.first().deadline));
}

void LocalHandOff::readRequest(QLocalSocket* socket)
{
    if (!isWaiting(socket))
        return;
    const HandOffRequest::Decoded request =
        HandOffRequest::Decode(socket->peek(HeaderSize + MaxTextBytes));
    if (request.state == HandOffRequest::State::Incomplete)
        return;
    if (request.state == HandOffRequest::State::Invalid) {
        drop(socket);
        return;
    }
    forget(socket);
    socket->readAll();
    if (!recentRequests_.contains(request.number)) {
        recentRequests_.append(request.number);
        if (recentRequests_.size() > RecentRequests)
            recentRequests_.removeFirst();
        queue_.append(request.text);
        scheduleRun();
    }
    socket->write(QByteArray(1, Ack));
    socket->disconnectFromServer();
}

bool LocalHandOff::isWaiting(QLocalSocket* socket) const
{
    return std::any_of(waiting_.cbegin(), waiting_.cend(),
                       [socket](const Waiting& each) { return each.socket == socket; });
}

void LocalHandOff::forget(QLocalSocket* socket)
{
    waiting_.removeIf([socket](const Waiting& each) { return each.socket == socket; });
}

void LocalHandOff::drop(QLocalSocket* socket)
{
    forget(socket);
    socket->abort();
    socket->deleteLater();
}

void LocalHandOff::dropExpired()
{
    // Every connection gets the same time, so the oldest runs out first.
    while (!waiting_.isEmpty() && waiting_.first().deadline.hasExpired())
        drop(waiting_.first().socket);
    if (!waiting_.isEmpty())
        expiry_->start(remaining(waiting_.first().deadline));
}

void LocalHandOff::scheduleRun()
{
    if (run_ && !queue_.isEmpty())
        QMetaObject::invokeMethod(this, &LocalHandOff::runNext, Qt::QueuedConnection);
}

void LocalHandOff::runNext()
{
    // A command that opens a message box runs a nested event loop; the next command waits for
    // it to return.
    if (running_ || !run_ || queue_.isEmpty())
        return;
    running_ = true;
    const auto done = qScopeGuard([this] {
        running_ = false;
        scheduleRun();
    });
    run_(queue_.takeFirst());
}

} // namespace quenbrook
