// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/pictures/MetafileApart.h"

#include "core/pictures/MetafileShared.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <csignal>
#include <optional>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace quenbrook::MetafileToSvg {
namespace {

// How often the stop and the clock are looked at while the helper works.
constexpr int WatchMs = 20;
// The answer's first line and a few bytes more than the largest SVG accepted.
constexpr qsizetype MaxAnswerBytes = MaxSvgBytes + 64;

class OwnedFd
{
public:
    explicit OwnedFd(int fd = -1)
        : fd_(fd)
    {}
    ~OwnedFd() { reset(); }
    OwnedFd(const OwnedFd&) = delete;
    OwnedFd& operator=(const OwnedFd&) = delete;
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }
    void reset(int fd = -1)
    {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = fd;
    }

private:
    int fd_;
};

QString runningProgramFolder()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).absolutePath();
}

bool isProgram(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

Failure budgetSpent(const QString& detail)
{
    return {Failure::Kind::TooLarge, detail};
}

Failure outOfTime()
{
    return budgetSpent(
        QCoreApplication::translate("PictureLoader", "over %1 s to draw").arg(HelperWallMs / 1000));
}

Failure outOfMemory()
{
    return budgetSpent(QCoreApplication::translate("PictureLoader", "over %1 MB to draw")
                           .arg(HelperMemoryBytes / (1024 * 1024)));
}

Failure tooMuchDrawing()
{
    return budgetSpent(QCoreApplication::translate("PictureLoader", "too much drawing"));
}

Failure cannotStart()
{
    return unreadable(QCoreApplication::translate("PictureLoader", "%1 cannot be started")
                          .arg(QLatin1String(HelperName)));
}

Failure stoppedFailure()
{
    return {Failure::Kind::Stopped, QString()};
}

// The metafile as the helper's input: a file in memory, read from its start.
int inputFile(const QByteArray& data)
{
    OwnedFd fd(memfd_create("quenbrook-metafile", MFD_CLOEXEC));
    if (fd.get() < 0)
        return -1;
    qsizetype written = 0;
    while (written < data.size()) {
        const ssize_t n =
            ::write(fd.get(), data.constData() + written, size_t(data.size() - written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return -1;
        written += n;
    }
    if (::lseek(fd.get(), 0, SEEK_SET) != 0)
        return -1;
    return fd.release();
}

// The environment the helper starts with: the program's, its fonts and languages, on the
// platform that needs no display.
QByteArrayList helperEnvironment()
{
    QByteArrayList out;
    for (char** entry = environ; entry && *entry; ++entry) {
        const QByteArray text(*entry);
        if (!text.startsWith("QT_QPA_PLATFORM="))
            out << text;
    }
    out << QByteArray("QT_QPA_PLATFORM=offscreen");
    return out;
}

std::vector<char*> pointers(QByteArrayList& texts)
{
    std::vector<char*> out;
    for (QByteArray& text : texts)
        out.push_back(text.data());
    out.push_back(nullptr);
    return out;
}

// The helper started with its input and output, in nothing of the program but its environment:
// every other descriptor closed, every signal with its default action and none blocked.
std::optional<pid_t> startHelper(const QString& program, MetafileKind kind, int input, int output)
{
    QByteArrayList arguments{
        QFile::encodeName(program), kind == MetafileKind::Windows ? "wmf" : "emf",
        QByteArray::number(HelperCpuSeconds), QByteArray::number(HelperMemoryBytes)};
    QByteArrayList environment = helperEnvironment();
    std::vector<char*> argv = pointers(arguments);
    std::vector<char*> envp = pointers(environment);

    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
    posix_spawn_file_actions_init(&actions);
    posix_spawnattr_init(&attributes);
    posix_spawn_file_actions_adddup2(&actions, input, STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, output, STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
#if defined(__GLIBC__) && __GLIBC_PREREQ(2, 34)
    // Closes as well what a library left open without close-on-exec.
    posix_spawn_file_actions_addclosefrom_np(&actions, STDERR_FILENO + 1);
#endif
    sigset_t none, all;
    sigemptyset(&none);
    sigfillset(&all);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setsigdefault(&attributes, &all);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    pid_t pid = 0;
    const int error = posix_spawn(&pid, argv[0], &actions, &attributes, argv.data(), envp.data());
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0)
        return std::nullopt;
    return pid;
}

struct Ending
{
    int status = 0;
    qint64 peakBytes = 0; // the helper's largest resident size
};

Ending reap(pid_t pid, int options = 0, bool* done = nullptr)
{
    Ending ending;
    rusage usage{};
    pid_t got;
    do {
        got = ::wait4(pid, &ending.status, options, &usage);
    } while (got < 0 && errno == EINTR);
    if (done)
        *done = got == pid;
    ending.peakBytes = qint64(usage.ru_maxrss) * 1024;
    return ending;
}

void kill(pid_t pid)
{
    ::kill(pid, SIGKILL);
    reap(pid);
}

} // namespace

Result helperEnding(int waitStatus, qint64 peakBytes, QByteArrayView answer)
{
    if (WIFEXITED(waitStatus)) {
        if (WEXITSTATUS(waitStatus) == 0)
            return decodeAnswer(answer);
        if (WEXITSTATUS(waitStatus) == HelperOutOfMemoryExit)
            return outOfMemory();
        return unreadable();
    }
    if (!WIFSIGNALED(waitStatus))
        return unreadable();
    switch (WTERMSIG(waitStatus)) {
    case SIGXCPU:
    case SIGKILL: // the hard limit of its processor time
        return outOfTime();
    case SIGINT:
    case SIGTERM:
    case SIGHUP:
    case SIGQUIT: // ended from outside, with the program
        return stoppedFailure();
    default:
        // Libraries that find no memory left tend to crash rather than say so.
        return peakBytes > HelperMemoryBytes / 2 ? Result(outOfMemory()) : Result(unreadable());
    }
}

QString helperProgram()
{
    const QString installed = runningProgramFolder() +
                              QStringLiteral("/" QUENBROOK_HELPER_FROM_BINDIR "/") +
                              QLatin1String(HelperName);
    if (isProgram(installed))
        return installed;
#ifdef QUENBROOK_HELPER_IN_BUILD
    if (const QString built = QStringLiteral(QUENBROOK_HELPER_IN_BUILD); isProgram(built))
        return built;
#endif
    return QString();
}

Result convertApart(MetafileKind kind, const QByteArray& data, const LoadStop* stop)
{
    if (data.size() > MaxFileBytes)
        return tooBigFile(data.size());
    if (stopRaised(stop))
        return stoppedFailure();
    const QString program = helperProgram();
    if (program.isEmpty())
        return unreadable(QCoreApplication::translate("PictureLoader", "%1 is missing")
                              .arg(QLatin1String(HelperName)));

    OwnedFd input(inputFile(data));
    int pipeEnds[2];
    if (input.get() < 0 || ::pipe2(pipeEnds, O_CLOEXEC) != 0)
        return cannotStart();
    OwnedFd reading(pipeEnds[0]);
    OwnedFd writing(pipeEnds[1]);
    QElapsedTimer clock;
    clock.start();
    const std::optional<pid_t> pid = startHelper(program, kind, input.get(), writing.get());
    input.reset();
    writing.reset();
    if (!pid)
        return cannotStart();

    // Its answer, read as it comes, until it closes its output. The clock of the budget starts
    // once the helper says it is ready, so that a busy machine's slow start is not the file's.
    const QByteArrayView readyLine(HelperReadyLine);
    QByteArray answer;
    bool ready = false;
    qint64 deadline = HelperStartMs;
    for (;;) {
        if (stopRaised(stop)) {
            kill(*pid);
            return stoppedFailure();
        }
        const qint64 left = deadline - clock.elapsed();
        if (left <= 0) {
            kill(*pid);
            return ready ? Result(outOfTime()) : Result(cannotStart());
        }
        pollfd readable{reading.get(), POLLIN, 0};
        if (::poll(&readable, 1, int(std::min<qint64>(left, WatchMs))) <= 0)
            continue;
        char chunk[65536];
        const ssize_t n = ::read(reading.get(), chunk, sizeof chunk);
        if (n < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (n <= 0)
            break;
        answer.append(chunk, n);
        if (!ready && answer.startsWith(readyLine)) {
            ready = true;
            answer.remove(0, readyLine.size());
            deadline = clock.elapsed() + HelperWallMs;
        }
        if (answer.size() > MaxAnswerBytes) {
            kill(*pid);
            return tooMuchDrawing();
        }
    }
    // Then its end, under the same clock.
    for (;;) {
        bool ended = false;
        const Ending ending = reap(*pid, WNOHANG, &ended);
        if (ended)
            return stopRaised(stop) ? Result(stoppedFailure())
                                    : helperEnding(ending.status, ending.peakBytes, answer);
        if (stopRaised(stop) || clock.elapsed() >= deadline) {
            kill(*pid);
            return stopRaised(stop) ? Result(stoppedFailure()) : Result(outOfTime());
        }
        ::usleep(2'000);
    }
}

} // namespace quenbrook::MetafileToSvg
