// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/startup/HandOffFolder.h"
#include "core/startup/HandOffRequest.h"
#include "core/startup/LocalHandOff.h"
#include "support/TestMain.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <grp.h>
#include <iostream>
#include <memory>
#include <pwd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace quenbrook;

namespace {

// This program started again. "--send <text> <attempt ms> <attempts>": a later start handing
// its command over in at most <attempts> attempts (exit code 4: not acknowledged).
int sendRole(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    LocalHandOff handOff({std::atoi(argv[3]), std::atoi(argv[4])});
    return !handOff.PrevInstance() ? 3 : handOff.sendAndConfirm(app.arguments()[2]) ? 0 : 4;
}

// "--crash": an instance that says "ready" and dies when a start connects, leaving its lock and
// socket behind.
int crashRole(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    LocalHandOff handOff;
    QLockFile lock(handOff.endpoint() + ".lock");
    QLocalServer server;
    if (!lock.tryLock(0) || !server.listen(handOff.endpoint()))
        return 3;
    std::cout << "ready" << std::endl;
    server.waitForNewConnection(20000);
    ::_exit(0);
}

// "--race": says "ready", waits for a line, then tells which part it got.
int raceRole(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    LocalHandOff handOff;
    std::cout << "ready" << std::endl;
    std::cin.get();
    const bool later = handOff.PrevInstance();
    std::cout << (later ? "client" : "server") << std::endl;
    while (!later && std::cin.get() != EOF) { // serve until the input closes
    }
    return 0;
}

std::unique_ptr<QProcess> startSender(const QString& text, int attemptMs = 10000, int attempts = 5)
{
    auto process = std::make_unique<QProcess>();
    process->setProcessChannelMode(QProcess::ForwardedOutputChannel); // its messages are kept
    process->start(QCoreApplication::applicationFilePath(),
                   {"--send", text, QString::number(attemptMs), QString::number(attempts)});
    return process;
}

// Waits, serving events, until the process has ended; its exit code, or -1 when it crashed.
int exitCode(QProcess& process, int ms = 20000)
{
    QSignalSpy finished(&process, &QProcess::finished);
    if (process.state() != QProcess::NotRunning && !finished.wait(ms))
        return -2;
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

// A local socket bound or connected at the path, as `call` does; -1 when that fails.
int atPath(int (*call)(int, const sockaddr*, socklen_t), const QString& path,
           int type = SOCK_STREAM)
{
    sockaddr_un address{AF_UNIX, {}};
    std::ranges::copy(QFile::encodeName(path), address.sun_path);
    const int fd = ::socket(AF_UNIX, type, 0);
    return call(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0
               ? fd
               : (::close(fd), -1);
}

// The file's status, all zero when there is none.
struct stat statusOf(const QString& path)
{
    struct stat info = {}, none = {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info : none;
}

} // namespace

class tst_LocalHandOff : public QObject
{
    Q_OBJECT
    const QString systemTemp_ = QDir::tempPath();
    const QByteArray systemRuntime_ = qgetenv("XDG_RUNTIME_DIR");
    std::unique_ptr<QTemporaryDir> runtime_, temp_;
    QStringList log_;

private slots:
    void init()
    {
        // Each test's socket is private to it and its children.
        runtime_ = std::make_unique<QTemporaryDir>(systemTemp_ + "/tst_localhandoff-XXXXXX");
        temp_ = std::make_unique<QTemporaryDir>(systemTemp_ + "/tst_localhandoff-XXXXXX");
        qputenv("XDG_RUNTIME_DIR", runtime_->path().toLocal8Bit());
        qputenv("TMPDIR", temp_->path().toLocal8Bit());
        log_.clear();
    }
    // The program's other tests run with the system's folders.
    void cleanupTestCase()
    {
        qputenv("TMPDIR", systemTemp_.toLocal8Bit());
        systemRuntime_.isEmpty() ? qunsetenv("XDG_RUNTIME_DIR")
                                 : qputenv("XDG_RUNTIME_DIR", systemRuntime_);
    }

    void commandsRunOneAtATimeInArrivalOrder()
    {
        LocalHandOff server;
        QVERIFY(!server.PrevInstance());
        QVERIFY(server.endpoint().startsWith(runtime_->path() + "/Quenbrook-"));
        QStringList sent{"/ViewImage /first.gif"};
        for (int i = 0; i < 10; ++i)
            sent << QString("/AddAlbumPrinterList \"%1/Bild %2 ü.jpg\"")
                        .arg(runtime_->path(), QString::number(i));
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
        QTRY_COMPARE(log_, sent);
        QVERIFY(allAnswered && !overlapped);
    }

    void badConnectionsDelayNobody_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // what one bad connection sends; none: 200 silent
        QTest::addColumn<int>("requestMs"); // the running instance's patience with each connection
        QTest::addColumn<int>("limit");     // connections it keeps open at once
        const int all = HandOffLimits().connections;
        // A request's bytes: some of a 1 MB one, one with no UTF-8 text, half of one.
        const auto request = [](const QByteArray& text) { return HandOffRequest::Encode(1, text); };
        QTest::newRow("garbage") << QByteArray("GET / HTTP/1.1\r\n\r\n") << 60000 << all;
        QTest::newRow("oversized") << request(QByteArray(1 << 20, 'x')).first(4096) << 60000 << all;
        QTest::newRow("not UTF-8") << request("\xff\xfe") << 60000 << all;
        QTest::newRow("half sent") << request(QByteArray(100, 'x')).first(36) << 300 << all;
        QTest::newRow("silent, within the limit") << QByteArray() << 60000 << all;
        QTest::newRow("silent, beyond the limit") << QByteArray() << 60000 << 150;
    }

    void badConnectionsDelayNobody()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, requestMs);
        QFETCH(int, limit);
        LocalHandOff server({10000, 5, requestMs, limit});
        QVERIFY(!server.PrevInstance() && server.isServing());
        server.LoadServer([this](const QString& text) { log_ << text; });
        QLocalSocket bad;
        if (!bytes.isEmpty()) {
            bad.connectToServer(server.endpoint());
            QVERIFY(bad.waitForConnected(2000));
            bad.write(bytes);
            bad.flush();
        }
        // Or the silent ones all connect at once, before the instance takes any: the listen
        // queue holds them.
        std::vector<int> silent(bytes.isEmpty() ? 200 : 0, -1);
        const auto closeAll = qScopeGuard([&] { std::ranges::for_each(silent, ::close); });
        for (int& fd : silent)
            QVERIFY((fd = atPath(::connect, server.endpoint(), SOCK_STREAM | SOCK_NONBLOCK)) >= 0);
        // A good start is served on its first attempt (of a second beside the silent ones) while
        // the others are still open or being dropped.
        QCOMPARE(exitCode(*startSender("/ViewImage /x.gif", bytes.isEmpty() ? 1000 : 5000, 1)), 0);
        QTRY_COMPARE(log_, QStringList{"/ViewImage /x.gif"});
        // The bad one is dropped unanswered. Of the silent ones the oldest, and only they, were
        // closed; beyond the limit the last one to give way made room for the good start.
        QTRY_COMPARE(bad.state(), QLocalSocket::UnconnectedState);
        QVERIFY(bytes.isEmpty() || !bad.readAll().contains('\x06'));
        char byte;
        for (int i = 0; i < int(silent.size()); ++i)
            QCOMPARE(::recv(silent[i], &byte, 1, MSG_DONTWAIT) == 0, i < 201 - limit);
    }

    void lockHolderThatDoesNotAnswer_data()
    {
        QTest::addColumn<QString>("socket"); // what the lock holder has at its socket's path
        QTest::newRow("a crashed one's socket") << "stale";
        QTest::newRow("takes requests, never answers") << "silent";
        QTest::newRow("ends while the start waits") << "crash";
    }

    // A later start waits for the instance that holds the lock, stops waiting once it is gone,
    // and never takes its place.
    void lockHolderThatDoesNotAnswer()
    {
        QFETCH(QString, socket);
        const QString endpoint = LocalHandOff().endpoint();
        QLockFile lock(endpoint + ".lock");
        QProcess instance;
        if (socket == "crash")
            instance.start(QCoreApplication::applicationFilePath(), {"--crash"});
        QVERIFY(socket == "crash" ? QTest::qWaitFor([&] { return instance.canReadLine(); }, 10000)
                                  : lock.tryLock(0));
        // Its connections stay pending, each a child of the server.
        QLocalServer silent;
        QVERIFY(socket != "silent" || silent.listen(endpoint));
        // Stale: closed without removing its file, so connecting is refused.
        QVERIFY(socket != "stale" || ::close(atPath(::bind, endpoint)) == 0);
        const ino_t before = statusOf(endpoint).st_ino;

        auto later = startSender("/AddAlbumPrinterList /x.jpg", socket == "crash" ? 10000 : 200);
        QCOMPARE(exitCode(*later), 4);
        const QByteArray said = later->readAllStandardError();
        // Only a start that found nobody says so; one that was never answered gives up silently.
        QCOMPARE(said.contains("does not answer"), socket == "stale");
        QCOMPARE(said.contains("ended before taking the command"), socket == "crash");
        QCOMPARE(statusOf(endpoint).st_ino, before);
        if (socket == "crash")
            QCOMPARE(exitCode(instance), 0);
        QByteArrayList received;
        for (QLocalSocket* each : silent.findChildren<QLocalSocket*>()) {
            QTRY_COMPARE(each->state(), QLocalSocket::UnconnectedState);
            received << each->readAll();
        }
        // The same request on every attempt, to the one that takes them.
        QCOMPARE(received, QByteArrayList(socket == "silent" ? 5 : 0, received.value(0)));
    }

    void socketFolderIsPrivate_data()
    {
        // XDG_RUNTIME_DIR private or open to all; else unset, with what is in the way in the
        // temporary folder: "our folder" is the one a start took there before, made a link or
        // another user's since; the key file opened or given away. The last three leave no safe
        // folder.
        QTest::addColumn<QString>("trouble");
        for (const char* trouble :
             {"runtime folder", "runtime folder open to all", "no runtime folder",
              "our folder a link", "our folder another user's",
              "every folder of ours another user's", "key readable by others",
              "key another user's"})
            QTest::newRow(trouble) << QString(trouble);
    }

    // Without a runtime folder, two starts of this user still make one instance, whatever other
    // users put in the temporary folder first; a start that finds no safe folder runs on its own
    // and says why.
    void socketFolderIsPrivate()
    {
        QFETCH(QString, trouble);
        const bool usable = !trouble.startsWith("every") && !trouble.startsWith("key");
        const passwd* nobody = ::getpwnam("nobody");
        const auto giveAway = [&](const QString& path) {
            return ::chown(QFile::encodeName(path), nobody->pw_uid, nobody->pw_gid) == 0;
        };
        if (trouble.contains("another user's") && (::geteuid() != 0 || !nobody))
            QSKIP("needs root and the user nobody to give a file to another user");
        if (trouble == "runtime folder open to all")
            QCOMPARE(::chmod(QFile::encodeName(runtime_->path()), 0755), 0);
        if (!trouble.startsWith("runtime"))
            qunsetenv("XDG_RUNTIME_DIR");
        const QString ours = temp_->filePath(QString("quenbrook-%1-").arg(::geteuid()));
        const QString key = QDir(qEnvironmentVariable("XDG_CACHE_HOME"))
                                .filePath(QString("Quenbrook/handoff-%1.key").arg(::geteuid()));
        QFile::remove(key); // each test its own key
        // Where a start takes its folder when nothing is in the way.
        const QString first = trouble.startsWith("our folder") || trouble.startsWith("key")
                                  ? QFileInfo(LocalHandOff().endpoint()).path()
                                  : QString();
        QVERIFY2(first.isEmpty() || first.startsWith(ours), qPrintable(first));
        const QByteArray firstName = QFile::encodeName(first);
        QVERIFY(!trouble.startsWith("our folder") || ::rmdir(firstName) == 0);
        // A link to a private folder of the user's.
        QVERIFY(trouble != "our folder a link" || QFile::link(runtime_->path(), first));
        if (trouble == "our folder another user's")
            QVERIFY(::mkdir(firstName, 0700) == 0 && giveAway(first));
        QVERIFY(trouble != "key readable by others" || ::chmod(QFile::encodeName(key), 0644) == 0);
        QVERIFY(trouble != "key another user's" || giveAway(key));
        // Each folder a start takes is given away before the next start.
        QStringList taken;
        for (int i = 0; trouble.startsWith("every") && i < HandOffFolderCandidates; ++i) {
            taken << QFileInfo(LocalHandOff().endpoint()).path();
            QVERIFY2(taken.last().startsWith(ours) && taken.count(taken.last()) == 1 &&
                         giveAway(taken.last()),
                     qPrintable(taken.last()));
        }

        LocalHandOff handOff;
        QCOMPARE(!handOff.endpoint().isEmpty(), usable);
        if (usable) {
            const QString folder = QFileInfo(handOff.endpoint()).path();
            QVERIFY2(trouble == "runtime folder" ? folder == runtime_->path()
                                                 : folder.startsWith(ours) && folder != first,
                     qPrintable(folder));
            QCOMPARE(statusOf(folder).st_mode & 07777, 0700u);
            QCOMPARE(statusOf(folder).st_uid, ::geteuid());
            if (trouble != "runtime folder") // the key: the user's alone
                QCOMPARE(statusOf(key).st_mode & 07777, 0600u);
            // Quietly one instance: the next start finds it, even once the other user has taken
            // their folder away again.
            QTest::failOnWarning(QRegularExpression("."));
            QVERIFY(!handOff.PrevInstance() && handOff.isServing());
            QVERIFY(trouble != "our folder another user's" || ::rmdir(firstName) == 0);
            LocalHandOff later;
            QCOMPARE(later.endpoint(), handOff.endpoint());
            QVERIFY(later.PrevInstance());
            return;
        }
        // The start runs on its own, telling why, and leaves nothing in a refused folder.
        const QString refused = trouble.startsWith("key") ? key : temp_->path();
        QVERIFY2(handOff.problem().startsWith(QDir::toNativeSeparators(refused) + ": "),
                 qPrintable(handOff.problem()));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot hand their files over"));
        QVERIFY(!handOff.PrevInstance() && !handOff.isServing());
        if (!first.isEmpty())
            QCOMPARE(QDir(first).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
                     QStringList());
    }

    void otherUsersAreRefused_data()
    {
        QTest::addColumn<bool>("otherServes"); // else the other user sends a request
        QTest::newRow("socket served by another user") << true;
        QTest::newRow("request from another user") << false;
    }

    void otherUsersAreRefused()
    {
        QFETCH(bool, otherServes);
        const passwd* nobody = ::getpwnam("nobody");
        if (::geteuid() != 0 || !nobody)
            QSKIP("needs root and the user nobody to play another user");
        LocalHandOff handOff({1000, 1});
        const QByteArray request = HandOffRequest::Encode(1, "/ViewImage /x.gif");
        int listener = -1;
        QLockFile lock(handOff.endpoint() + ".lock"); // the later start waits for its holder
        if (otherServes) {
            // Bound here, listening as the other user: that user is who a client finds.
            QVERIFY(lock.tryLock(0) && (listener = atPath(::bind, handOff.endpoint())) >= 0);
        } else {
            QVERIFY(!handOff.PrevInstance());
            handOff.LoadServer([this](const QString& text) { log_ << text; });
            // As if the folder and the socket had been opened to everyone since.
            QCOMPARE(::chmod(QFile::encodeName(runtime_->path()), 0711), 0);
            QCOMPARE(::chmod(QFile::encodeName(handOff.endpoint()), 0777), 0);
        }
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::alarm(20);
            if (::setgroups(0, nullptr) || ::setgid(nobody->pw_gid) || ::setuid(nobody->pw_uid))
                ::_exit(2);
            char byte;
            const int connection =
                otherServes ? (::listen(listener, 1), ::accept(listener, nullptr, nullptr))
                            : atPath(::connect, handOff.endpoint());
            if (!otherServes &&
                ::write(connection, request.constData(), request.size()) != request.size())
                ::_exit(3);
            // Either way the other end closes having sent nothing: no request, no acknowledgement.
            ::_exit(::read(connection, &byte, 1) == 1 ? 1 : 0);
        }
        if (otherServes) {
            ::close(listener);
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("served by another user"));
            QVERIFY(!handOff.sendAndConfirm("/ViewImage /x.gif"));
        }
        int status = 0;
        QVERIFY(QTest::qWaitFor([&] { return ::waitpid(pid, &status, WNOHANG) == pid; }, 30000));
        QCOMPARE(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 0);
        QCOMPARE(log_, QStringList());
    }

    void racingStartsMakeOneServer()
    {
        const QString endpoint = LocalHandOff().endpoint();
        for (int round = 0; round < 6; ++round) {
            std::array<QProcess, 3> starts;
            auto lines = [&] {
                QStringList read;
                for (QProcess& start : starts)
                    read << (QTest::qWaitFor([&] { return start.canReadLine(); }, 10000)
                                 ? start.readLine().trimmed()
                                 : QString());
                return read;
            };
            for (QProcess& start : starts)
                start.start(QCoreApplication::applicationFilePath(), {"--race"});
            QCOMPARE(lines(), QStringList(3, "ready"));
            for (QProcess& start : starts)
                start.write("go\n");
            const QStringList parts = lines();
            QCOMPARE(parts.count("server"), 1);
            QCOMPARE(parts.count("client"), 2);
            // Every other round the server crashes and leaves its socket file behind for the next.
            QProcess& server = starts[parts.indexOf("server")];
            round % 2 ? server.kill() : server.closeWriteChannel();
            for (QProcess& start : starts)
                QCOMPARE(exitCode(start, 5000), round % 2 && &start == &server ? -1 : 0);
            QCOMPARE(QFileInfo::exists(endpoint), round % 2 == 1);
            QCOMPARE(QFileInfo::exists(endpoint + ".lock"), round % 2 == 1);
        }
    }
};

QUENBROOK_TEST(tst_LocalHandOff)
QUENBROOK_TEST_ROLE("--send", sendRole)
QUENBROOK_TEST_ROLE("--race", raceRole)
QUENBROOK_TEST_ROLE("--crash", crashRole)
#include "tst_localhandoff.moc"
