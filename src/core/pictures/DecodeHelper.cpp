// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/pictures/DecodeHelper.h"

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

namespace quenbrook::DecodeHelper {
namespace {

// How often the stop and the clock are looked at while the helper works.
constexpr int WatchMs = 20;

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

// The input as a file in memory, read from its start.
int inputFile(const QByteArray& data)
{
    OwnedFd fd(memfd_create(Name, MFD_CLOEXEC));
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
// platform that needs no display. Its memory comes in huge pages where the system offers them:
// a fresh process faults in every page a decoder touches, which took a third of a HEIC's time.
QByteArrayList helperEnvironment()
{
    QByteArrayList out;
    QByteArray tunables("GLIBC_TUNABLES=glibc.malloc.hugetlb=1");
    for (char** entry = environ; entry && *entry; ++entry) {
        const QByteArray text(*entry);
        if (text.startsWith("GLIBC_TUNABLES="))
            tunables += ':' + text.mid(qsizetype(sizeof "GLIBC_TUNABLES=") - 1);
        else if (!text.startsWith("QT_QPA_PLATFORM="))
            out << text;
    }
    out << QByteArray("QT_QPA_PLATFORM=offscreen") << tunables;
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
std::optional<pid_t> startHelper(const QString& program, const char* mode, const Budget& budget,
                                 int input, int output)
{
    QByteArrayList arguments{QFile::encodeName(program), mode,
                             QByteArray::number(budget.cpuSeconds),
                             QByteArray::number(budget.memoryBytes)};
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

struct Reaped
{
    int status = 0;
    qint64 peakBytes = 0;
};

Reaped reap(pid_t pid, int options = 0, bool* done = nullptr)
{
    Reaped ending;
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

Run ended(Run::End end)
{
    Run run;
    run.end = end;
    return run;
}

Run killed(pid_t pid, Run::End end)
{
    ::kill(pid, SIGKILL);
    reap(pid);
    return ended(end);
}

} // namespace

Ending endingOf(int waitStatus, qint64 peakBytes, qint64 memoryBytes)
{
    if (WIFEXITED(waitStatus)) {
        if (WEXITSTATUS(waitStatus) == 0)
            return Ending::Answered;
        return WEXITSTATUS(waitStatus) == OutOfMemoryExit ? Ending::OutOfMemory : Ending::Failed;
    }
    if (!WIFSIGNALED(waitStatus))
        return Ending::Failed;
    switch (WTERMSIG(waitStatus)) {
    case SIGXCPU:
    case SIGKILL: // the hard limit of its processor time
        return Ending::OutOfTime;
    case SIGINT:
    case SIGTERM:
    case SIGHUP:
    case SIGQUIT:
        return Ending::Stopped;
    default:
        // Libraries that find no memory left tend to crash rather than say so.
        return peakBytes > memoryBytes / 2 ? Ending::OutOfMemory : Ending::Failed;
    }
}

QString notStartedReason(const Run& run)
{
    return (run.end != Run::End::Missing
                ? QCoreApplication::translate("PictureLoader", "%1 cannot be started")
                : QCoreApplication::translate("PictureLoader", "%1 is missing"))
        .arg(QLatin1String(Name));
}

QString program()
{
    const QString installed = runningProgramFolder() +
                              QStringLiteral("/" QUENBROOK_HELPER_FROM_BINDIR "/") +
                              QLatin1String(Name);
    if (isProgram(installed))
        return installed;
#ifdef QUENBROOK_HELPER_IN_BUILD
    if (const QString built = QStringLiteral(QUENBROOK_HELPER_IN_BUILD); isProgram(built))
        return built;
#endif
    return QString();
}

Run run(const char* mode, const QByteArray& input, const Budget& budget, const LoadStop* stop)
{
    if (stopRaised(stop))
        return ended(Run::End::Stopped);
    const QString helper = program();
    if (helper.isEmpty())
        return ended(Run::End::Missing);
    OwnedFd inputFd(inputFile(input));
    int pipeEnds[2];
    if (inputFd.get() < 0 || ::pipe2(pipeEnds, O_CLOEXEC) != 0)
        return Run{};
    OwnedFd reading(pipeEnds[0]);
    OwnedFd writing(pipeEnds[1]);
    QElapsedTimer clock;
    clock.start();
    const std::optional<pid_t> pid =
        startHelper(helper, mode, budget, inputFd.get(), writing.get());
    inputFd.reset();
    writing.reset();
    if (!pid)
        return Run{};

    // Its answer, read as it comes, until it closes its output. The clock of the budget starts
    // once the helper says it is ready, so that a busy machine's slow start is not the file's.
    const QByteArrayView readyLine(ReadyLine);
    Run run;
    bool ready = false;
    qint64 deadline = StartMs;
    for (;;) {
        if (stopRaised(stop))
            return killed(*pid, Run::End::Stopped);
        const qint64 left = deadline - clock.elapsed();
        if (left <= 0)
            return killed(*pid, ready ? Run::End::OverTime : Run::End::CannotStart);
        pollfd readable{reading.get(), POLLIN, 0};
        if (::poll(&readable, 1, int(std::min<qint64>(left, WatchMs))) <= 0)
            continue;
        // Large answers (pixels) are read straight into their place.
        if (run.answer.capacity() - run.answer.size() < 65536)
            run.answer.reserve(std::max<qsizetype>(2 * run.answer.size(), 65536) + 65536);
        const qsizetype at = run.answer.size();
        run.answer.resize(run.answer.capacity());
        const ssize_t n =
            ::read(reading.get(), run.answer.data() + at, size_t(run.answer.size() - at));
        run.answer.resize(at + std::max<ssize_t>(n, 0));
        if (n < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (n <= 0)
            break;
        if (!ready && run.answer.startsWith(readyLine)) {
            ready = true;
            run.answer.remove(0, readyLine.size());
            deadline = clock.elapsed() + budget.cpuSeconds * 1000 * WallPerCpu;
        }
        if (run.answer.size() > budget.answerBytes + readyLine.size())
            return killed(*pid, Run::End::OverAnswer);
    }
    // Then its end, under the same clock.
    for (;;) {
        bool done = false;
        const Reaped ending = reap(*pid, WNOHANG, &done);
        if (done) {
            if (stopRaised(stop))
                return ended(Run::End::Stopped);
            run.end = Run::End::Ended;
            run.status = ending.status;
            run.peakBytes = ending.peakBytes;
            run.answer.squeeze();
            return run;
        }
        if (stopRaised(stop) || clock.elapsed() >= deadline)
            return killed(*pid, stopRaised(stop) ? Run::End::Stopped : Run::End::OverTime);
        ::usleep(2'000);
    }
}

} // namespace quenbrook::DecodeHelper
