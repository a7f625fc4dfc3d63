// SPDX-License-Identifier: GPL-2.0-or-later
// Replays inputs through the fuzz targets' entries, without libFuzzer or clang:
//   fuzz_replay <folder>...
// A folder's MANIFEST has a line "<file> <target> <outcome>" for each input whose outcome is
// known; target "picturefile" loads the file by its own name. Every other input in a folder
// fuzz_<target> must only give no fault; any other file without a row fails. Each input must be
// done within two seconds of CPU time. QUENBROOK_UPDATE_GOLDEN=1 writes the outcomes seen into the
// manifests.
#include "FuzzTargets.h"

#include <QDirIterator>
#include <QFile>
#include <QSet>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <ctime>

using namespace fuzzing;

namespace {

constexpr double SecondsAnInput = 2;

QString outcomeOf(const QString& path, const QString& target)
{
    const std::clock_t start = std::clock();
    QString outcome;
    if (target == QLatin1String("picturefile")) {
        outcome = PictureFileOutcome(path);
    } else if (const Target* found = FindTarget(target)) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return QStringLiteral("cannot read the input");
        outcome = found->outcome(file.readAll());
    } else {
        return QStringLiteral("no target ") + target;
    }
    const double seconds = double(std::clock() - start) / CLOCKS_PER_SEC;
    if (seconds > SecondsAnInput)
        return Fault(QStringLiteral("took %1 s").arg(seconds));
    // One line in the manifest.
    return outcome.replace('\\', QLatin1String("\\\\"))
        .replace('\n', QLatin1String("\\n"))
        .replace('\r', QLatin1String("\\r"))
        .replace('\t', QLatin1String("\\t"));
}

int failed(const QString& input, const QString& expected, const QString& actual)
{
    std::printf("FAIL %s\n  expected: %s\n  actual:   %s\n", qPrintable(input),
                qPrintable(expected), qPrintable(actual));
    return 1;
}

// The manifest's rows, then the folder's other inputs; rewrites the manifest when asked.
int replay(const QString& folder, int& inputs)
{
    const bool update = qEnvironmentVariableIntValue("QUENBROOK_UPDATE_GOLDEN") == 1;
    int failures = 0;
    QSet<QString> listed;
    QStringList rewritten;
    QFile manifest(folder + QStringLiteral("/MANIFEST"));
    if (manifest.open(QIODevice::ReadOnly)) {
        for (const QString& line : QString::fromUtf8(manifest.readAll()).split('\n')) {
            const QStringList parts = line.split(' ');
            if (line.startsWith('#') || parts.size() < 2) {
                rewritten << line;
                continue;
            }
            const QString expected = line.section(' ', 2);
            const QString actual = outcomeOf(folder + '/' + parts[0], parts[1]);
            ++inputs;
            listed << parts[0];
            rewritten << parts[0] + ' ' + parts[1] + ' ' + actual;
            if (actual != expected && !(update && !actual.startsWith(QLatin1String("FAULT"))))
                failures += failed(parts[0], expected, actual);
        }
        manifest.close();
        if (update && manifest.open(QIODevice::WriteOnly | QIODevice::Truncate))
            manifest.write(rewritten.join('\n').toUtf8());
    }
    for (QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
         it.hasNext();) {
        const QString path = it.next();
        const QString input = path.mid(folder.size() + 1);
        const QString parent = it.fileInfo().dir().dirName();
        if (listed.contains(input) || input == QLatin1String("MANIFEST"))
            continue;
        // Outside a target's folder an input is only there for its row.
        if (!parent.startsWith(QLatin1String("fuzz_"))) {
            failures += failed(input, QStringLiteral("a row in MANIFEST"), QStringLiteral("none"));
            continue;
        }
        const QString actual = outcomeOf(path, parent.mid(5));
        ++inputs;
        if (actual.startsWith(QLatin1String("FAULT")) || actual.startsWith(QLatin1String("no ")))
            failures += failed(input, QStringLiteral("no fault"), actual);
    }
    return failures;
}

} // namespace

int main(int argc, char** argv)
{
    // An input that gets past the checks and allocates gigabytes fails here at once, instead of
    // taking the machine's memory.
    rlimit limit{};
    getrlimit(RLIMIT_AS, &limit);
    limit.rlim_cur = std::min<rlim_t>(limit.rlim_cur, rlim_t(4) << 30);
    setrlimit(RLIMIT_AS, &limit);
    StartApplication();
    int failures = 0, inputs = 0;
    for (int i = 1; i < argc; ++i)
        failures += replay(QString::fromLocal8Bit(argv[i]), inputs);
    std::printf("%d inputs, %d failed\n", inputs, failures);
    return failures > 0 || inputs == 0;
}
