#include "core/startup/LocalHandOff.h"

#include "core/program/Application.h"
#include "core/startup/HandOffRequest.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTimer>

#include <unistd.h>

namespace quenbrook {
namespace {

using HandOffRequest::Ack;
using HandOffRequest::HeaderSize;
// Request numbers remembered to recognise a request sent again.
constexpr qsizetype RecentRequests = 64;
// How long a start waits to learn whether an instance answers, and for its turn at the lock.
constexpr int ProbeMs = 2000;
constexpr int LockMs = 15000;

QString endpointPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return QDir(folder).filePath(QString::fromUtf16(ApplicationTitle) + QLatin1Char('-') +
                                 QString::number(::getuid()) + QStringLiteral(".handoff"));
}

int remaining(const QDeadlineTimer& deadline)
{
    return int(qMax<qint64>(0, deadline.remainingTime()));
}

// One attempt: connect, send, wait for the acknowledgement.
bool tryRequest(const QString& endpoint, const QByteArray& bytes, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    socket.connectToServer(endpoint);
    if (!socket.waitForConnected(remaining(deadline)))
        return false;
    socket.write(bytes);
    while (socket.bytesToWrite() > 0)
        if (!socket.waitForBytesWritten(remaining(deadline)))
            return false;
    while (socket.bytesAvailable() < 1)
        if (!socket.waitForReadyRead(remaining(deadline)))
            return false;
    return socket.read(1) == QByteArray(1, Ack);
}

} // namespace

LocalHandOff::LocalHandOff(const HandOffTiming& timing, QObject* parent)
    : QObject(parent)
    , timing_(timing)
    , endpoint_(endpointPath())
{}

LocalHandOff::~LocalHandOff()
{
    if (server_)
        server_->close();
}

bool LocalHandOff::isServing() const
{
    return server_ && server_->isListening();
}

bool LocalHandOff::PrevInstance()
{
    if (server_ || turn_)
        return false;
    // Starts take turns here, so of two at the same moment one listens and the other finds it.
    auto turn = std::make_unique<QLockFile>(endpoint_ + QStringLiteral(".lock"));
    if (!turn->tryLock(LockMs))
        qWarning("Quenbrook: could not lock %s, checking for a running instance without it",
                 qPrintable(QDir::toNativeSeparators(turn->fileName())));
    QLocalSocket probe;
    probe.connectToServer(endpoint_);
    if (probe.waitForConnected(ProbeMs)) {
        probe.abort();
        return true;
    }
    // Listening needs the application's event loop. Without an application yet, the turn is
    // kept until LoadServer, so a start at the same moment still waits and then finds us.
    turn_ = std::move(turn);
    if (QCoreApplication::instance())
        listen();
    return false;
}

bool LocalHandOff::listen()
{
    const auto done = qScopeGuard([this] { turn_.reset(); });
    // Nobody answers, so a socket file left behind is a crashed instance's.
    QLocalServer::removeServer(endpoint_);
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &LocalHandOff::acceptConnections);
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
    for (int attempt = 0; attempt < timing_.attempts; ++attempt)
        if (tryRequest(endpoint_, bytes, timing_.attemptMs))
            return true;
    return false;
}

void LocalHandOff::LoadServer(CommandHandler run)
{
    if (!server_ && turn_)
        listen();
    run_ = std::move(run);
    scheduleRun();
}

void LocalHandOff::acceptConnections()
{
    // Beyond the limit connections wait in the server's queue until a taken one ends; only the
    // taken ones count, each cut after the time-out, so waiting ones cannot jam the server.
    while (taken_ < MaxConnections && server_->hasPendingConnections()) {
        QLocalSocket* socket = server_->nextPendingConnection();
        ++taken_;
        socket->setReadBufferSize(HeaderSize + MaxTextBytes);
        auto* timer = new QTimer(socket);
        timer->setSingleShot(true);
        connect(timer, &QTimer::timeout, socket, &QLocalSocket::abort);
        timer->start(timing_.requestMs);
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QObject::destroyed, this, [this] {
            --taken_;
            QMetaObject::invokeMethod(this, &LocalHandOff::acceptConnections, Qt::QueuedConnection);
        });
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readRequest(socket); });
        readRequest(socket);
        // A client that left while waiting in the queue sends no further signal.
        if (socket->state() == QLocalSocket::UnconnectedState)
            socket->deleteLater();
    }
}

void LocalHandOff::readRequest(QLocalSocket* socket)
{
    if (socket->property("answered").toBool())
        return;
    const HandOffRequest::Decoded request =
        HandOffRequest::Decode(socket->peek(HeaderSize + MaxTextBytes));
    if (request.state == HandOffRequest::State::Incomplete)
        return;
    if (request.state == HandOffRequest::State::Invalid) {
        socket->abort();
        socket->deleteLater();
        return;
    }
    socket->readAll();
    if (!recentRequests_.contains(request.number)) {
        recentRequests_.append(request.number);
        if (recentRequests_.size() > RecentRequests)
            recentRequests_.removeFirst();
        queue_.append(request.text);
        scheduleRun();
    }
    socket->setProperty("answered", true);
    socket->write(QByteArray(1, Ack));
    socket->disconnectFromServer();
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
