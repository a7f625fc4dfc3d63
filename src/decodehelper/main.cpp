// SPDX-License-Identifier: GPL-2.0-or-later
// quenbrook-decode {wmf|emf|heif} CPU_SECONDS MEMORY_BYTES
// Reads a picture file on its input and, all within the processor time and memory given, converts
// a metafile and draws the result once (its answer in MetafileTrial.h), or decodes a HEIF picture
// (HeifApart.h), and writes its answer on its output. The programs start it for every such
// picture they load and kill it once it takes too long.
#include "core/pictures/DecodeHelper.h"
#include "core/pictures/DecodeLimits.h"
#include "core/pictures/HeifApart.h"
#include "core/pictures/MetafileShared.h"
#include "core/pictures/MetafileTrial.h"
#include "core/program/Translations.h"

#include <QByteArray>
#include <QGuiApplication>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <new>

#include <sys/prctl.h>
#include <sys/resource.h>
#include <unistd.h>

using namespace quenbrook;
using namespace quenbrook::MetafileToSvg;

namespace {

// Refused arguments: the helper is only ever started by the programs.
constexpr int UsageExit = 2;

bool limit(int resource, rlim_t soft, rlim_t hard)
{
    const rlimit value{soft, hard};
    return setrlimit(resource, &value) == 0;
}

QByteArray readInput(qint64 limit)
{
    QByteArray data;
    char chunk[65536];
    for (;;) {
        const ssize_t n = ::read(STDIN_FILENO, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return data;
        data.append(chunk, n);
        if (data.size() > limit)
            return data;
    }
}

bool writeOutput(QByteArrayView answer)
{
    qsizetype written = 0;
    while (written < answer.size()) {
        const ssize_t n =
            ::write(STDOUT_FILENO, answer.constData() + written, size_t(answer.size() - written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        written += n;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    // Ends with the thread that started it, should that go first.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (argc != 4)
        return UsageExit;
    const QByteArray type(argv[1]);
    char* end = nullptr;
    const long cpuSeconds = std::strtol(argv[2], &end, 10);
    const bool cpuRead = *end == '\0';
    const long long memoryBytes = std::strtoll(argv[3], &end, 10);
    if ((type != "wmf" && type != "emf" && type != "heif") || !cpuRead || *end != '\0' ||
        cpuSeconds < 1 || memoryBytes < 1)
        return UsageExit;
    // Processor time over the soft limit ends it by SIGXCPU, a second more by SIGKILL.
    if (!limit(RLIMIT_CPU, rlim_t(cpuSeconds), rlim_t(cpuSeconds + 1)) ||
        !limit(RLIMIT_AS, rlim_t(memoryBytes), rlim_t(memoryBytes)) || !limit(RLIMIT_CORE, 0, 0))
        return UsageExit;
    // Out of memory, whether new finds none or a library throws for want of it.
    std::set_new_handler([] { std::_Exit(DecodeHelper::OutOfMemoryExit); });
    std::set_terminate([] {
        try {
            if (std::current_exception())
                std::rethrow_exception(std::current_exception());
        } catch (const std::bad_alloc&) {
            std::_Exit(DecodeHelper::OutOfMemoryExit);
        } catch (...) {
        }
        std::abort();
    });

    if (type == "heif") {
        if (!writeOutput(DecodeHelper::ReadyLine))
            return 1;
        const QByteArray data = readInput(MaxPictureFileBytes);
        return HeifApart::writeAnswer(ByteReader(data), writeOutput) ? 0 : 1;
    }
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    LoadTranslations(app);
    if (!writeOutput(DecodeHelper::ReadyLine))
        return 1;
    const QByteArray data = readInput(MaxFileBytes);
    const Result result =
        convertAndTry(type == "wmf" ? MetafileKind::Windows : MetafileKind::Enhanced, data);
    return writeOutput(encodeAnswer(result)) ? 0 : 1;
}
