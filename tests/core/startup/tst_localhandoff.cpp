#include "core/startup/LocalHandOff.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <iostream>
#include <memory>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace quenbrook;

namespace {

// This program started again: "--send <text> <attempt ms> [<attempts>]" is a later start handing
// its command over in at most <attempts> attempts (exit code 4: not acknowledged); "--race" says
// "ready", waits for a line, then tells which part it got.
int runChild(const QStringList& args)
{
    LocalHandOff handOff({args.value(3, "10000").toInt(), args.value(4, "5").toInt(), 10000});
    if (args[1] == "--send") {
        if (!handOff.PrevInstance())
            return 3;
        return handOff.sendAndConfirm(args[2]) ? 0 : 4;
    }
    std::string line;
    std::cout << "ready" << std::endl;
    std::getline(std::cin, line);
    const bool later = handOff.PrevInstance();
    std::cout << (later ? "client" : "server") << std::endl;
    if (!later)
        std::getline(std::cin, line); // serve until the input closes
    return 0;
}

std::unique_ptr<QProcess> startSender(const QString& text, int attemptMs = 10000, int attempts = 5)
{
    auto process = std::make_unique<QProcess>();
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->start(QCoreApplication::applicationFilePath(),
                   {"--send", text, QString::number(attemptMs), QString::number(attempts)});
    return process;
}

// Waits, serving events, until the process has ended; its exit code, or -1 when it crashed.
int exitCode(QProcess& process, int ms = 20000)
{
    if (!QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, ms))
        return -2;
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

QByteArray header(quint32 length)
{
    QByteArray bytes("QBH1\0\0\0\0\0\0\0\x2a\0\0\0\0", 16);
    qToBigEndian<quint32>(length, bytes.data() + 12);
    return bytes;
}

} // namespace

class tst_LocalHandOff : public QObject
{
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> runtime_;
    QStringList log_;

private slots:
    void init()
    {
        // Each test gets its own runtime folder, so its socket is private to it and its children.
        runtime_ = std::make_unique<QTemporaryDir>();
        qputenv("XDG_RUNTIME_DIR", runtime_->path().toLocal8Bit());
        log_.clear();
    }

    void commandsRunOneAtATimeInArrivalOrder()
    {
        LocalHandOff server;
        QVERIFY(!server.PrevInstance());
        QVERIFY(server.endpoint().startsWith(runtime_->path() + "/Quenbrook-"));
        QStringList sent{"/ViewImage /first.gif"};
        for (int i = 0; i < 10; ++i)
            sent << QString("/AddAlbumPrinterList \"%1/Bild %2 ü.jpg\"")
                        .arg(runtime_->path())
                        .arg(i);
        sent.insert(5, QString()); // a start without arguments hands over an empty command
        bool inside = false, overlapped = false, allAnswered = true;
        server.LoadServer([&](const QString& text) {
            overlapped = overlapped || inside;
            log_ << text;
            if (log_.size() > 1)
                return;
            inside = true;
            // Busy at first: the next start gives up on its first attempts and sends again.
            auto busy = startSender(sent[1], 200);
            busy->waitForStarted();
            QTest::qSleep(600);
            // Then, like a message box, a nested event loop while the other starts come one by one.
            allAnswered = exitCode(*busy) == 0;
            for (const QString& next : sent.mid(2))
                allAnswered = exitCode(*startSender(next)) == 0 && allAnswered;
            inside = false;
        });
        QCOMPARE(exitCode(*startSender(sent.first())), 0);
        QTRY_COMPARE(log_.size(), sent.size());
        QCOMPARE(log_, sent);
        QVERIFY(allAnswered);
        QVERIFY(!overlapped);
    }

    void badConnectionsDoNotStopTheServer_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("connections");
        QTest::addColumn<int>("requestMs"); // the running instance's patience with each connection
        const int never = 60000;
        QTest::newRow("garbage") << QByteArray("GET / HTTP/1.1\r\n\r\n") << 1 << never;
        QTest::newRow("oversized") << header(1 << 20) + QByteArray(4096, 'x') << 1 << never;
        QTest::newRow("not UTF-8") << header(2) + "\xff\xfe" << 1 << never;
        QTest::newRow("half sent") << header(100) + "/AddAlbumPrinterList" << 1 << 300;
        QTest::newRow("never sends") << QByteArray() << 1 << 300;
        QTest::newRow("more than the limit")
            << QByteArray() << LocalHandOff::MaxConnections + 2 << 1000;
    }

    void badConnectionsDoNotStopTheServer()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, connections);
        QFETCH(int, requestMs);
        LocalHandOff server({10000, 5, requestMs});
        QVERIFY(!server.PrevInstance() && server.isServing());
        server.LoadServer([this](const QString& text) { log_ << text; });
        std::vector<std::unique_ptr<QLocalSocket>> bad;
        for (int i = 0; i < connections; ++i) {
            bad.push_back(std::make_unique<QLocalSocket>());
            bad.back()->connectToServer(server.endpoint());
            QVERIFY(bad.back()->waitForConnected(2000));
            bad.back()->write(bytes);
            bad.back()->flush();
        }
        // A good start is served on its first attempt while the bad connections are still open or
        // being dropped.
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(exitCode(*startSender("/ViewImage /x.gif", 5000)), 0);
        QVERIFY(clock.elapsed() < 5000);
        QTRY_COMPARE(log_, QStringList{"/ViewImage /x.gif"});
        for (const auto& socket : bad) {
            QTRY_COMPARE(socket->state(), QLocalSocket::UnconnectedState);
            QVERIFY(!socket->readAll().contains('\x06'));
        }
    }

    void silentConnectionsDoNotJamTheServer()
    {
        LocalHandOff server({10000, 5, 60000}); // patient far beyond this test
        QVERIFY(!server.PrevInstance());
        server.LoadServer([this](const QString& text) { log_ << text; });
        // A thousand clients connect and say nothing, as many as the socket's queues take.
        std::vector<int> silent;
        for (int i = 0; i < 1000; ++i) {
            const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0);
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            const QByteArray path = QFile::encodeName(server.endpoint());
            std::copy_n(path.constData(), path.size(), address.sun_path);
            if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0)
                silent.push_back(fd);
            else
                ::close(fd);
            if (i % 50 == 0)
                QTest::qWait(10); // the server takes what it takes meanwhile
        }
        QVERIFY2(silent.size() > 2 * LocalHandOff::MaxConnections,
                 qPrintable(QString::number(silent.size())));
        QTest::qWait(200);
        for (const int fd : silent)
            ::close(fd);
        // A later start is carried out on its first attempt of a second.
        QCOMPARE(exitCode(*startSender("/ViewImage /x.gif", 1000, 1)), 0);
        QTRY_COMPARE(log_, QStringList{"/ViewImage /x.gif"});
    }

    void unansweredRequestIsTriedFiveTimes()
    {
        // An instance that takes requests and never acknowledges them.
        QLocalServer silent;
        QVERIFY(silent.listen(LocalHandOff().endpoint()));
        QList<QLocalSocket*> connections;
        connect(&silent, &QLocalServer::newConnection, [&] {
            while (QLocalSocket* socket = silent.nextPendingConnection())
                connections << socket;
        });
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(exitCode(*startSender("/AddAlbumPrinterList /x.jpg", 200), 10000), 4);
        QVERIFY2(clock.elapsed() >= 5 * 200, qPrintable(QString::number(clock.elapsed())));
        QTRY_VERIFY(std::all_of(connections.cbegin(), connections.cend(), [](QLocalSocket* each) {
            return each->state() == QLocalSocket::UnconnectedState;
        }));
        QByteArrayList requests; // the start's first connection only looks and sends nothing
        for (QLocalSocket* socket : connections)
            if (socket->bytesAvailable() > 0)
                requests << socket->readAll();
        QCOMPARE(requests.size(), 5);
        QCOMPARE(requests.count(requests.first()), 5); // the same request every time
    }

    void racingStartsMakeOneServer()
    {
        const QString endpoint = LocalHandOff().endpoint();
        for (int round = 0; round < 6; ++round) {
            std::vector<std::unique_ptr<QProcess>> starts(3);
            auto lines = [&] {
                QStringList read;
                for (const auto& start : starts)
                    read << (QTest::qWaitFor([&] { return start->canReadLine(); }, 10000)
                                 ? start->readLine().trimmed()
                                 : QString());
                return read;
            };
            for (auto& start : starts) {
                start = std::make_unique<QProcess>();
                start->start(QCoreApplication::applicationFilePath(), {"--race"});
            }
            QCOMPARE(lines(), QStringList(3, "ready"));
            for (const auto& start : starts)
                start->write("go\n");
            const QStringList parts = lines();
            QCOMPARE(parts.count("server"), 1);
            QCOMPARE(parts.count("client"), 2);
            // Every other round the server crashes and leaves its socket file behind for the next.
            QProcess& server = *starts[parts.indexOf("server")];
            round % 2 ? server.kill() : server.closeWriteChannel();
            for (const auto& start : starts)
                QCOMPARE(exitCode(*start, 5000), round % 2 && start.get() == &server ? -1 : 0);
            QCOMPARE(QFileInfo::exists(endpoint), round % 2 == 1);
        }
    }
};

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() > 1 && (args[1] == "--send" || args[1] == "--race"))
        return runChild(args);
    tst_LocalHandOff test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_localhandoff.moc"
