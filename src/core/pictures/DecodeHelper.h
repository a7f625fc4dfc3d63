// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/pictures/LoadStop.h"

#include <QByteArray>
#include <QString>

// The short-lived helper program that decodes what no library may decode inside the programs
// (metafiles, HEIF): whatever a hostile file makes a library do, it costs the helper, under the
// budget it is started with, and never the program.
namespace quenbrook::DecodeHelper {

// The helper program's name; it is installed in ../libexec/quenbrook/ from the programs.
inline constexpr char Name[] = "quenbrook-decode";
// Its first line, once it has started and before it reads its input.
inline constexpr char ReadyLine[] = "QBMF1 ready\n";
// Its exit status when it runs out of memory.
inline constexpr int OutOfMemoryExit = 3;
// A helper not ready by then, its libraries loaded, is taken as one that cannot start.
inline constexpr qint64 StartMs = 10'000;
// Once ready, a helper may take this many times its processor time by the clock: enough for a
// machine whose cores are all busy, and an end for a helper that waits instead of working.
inline constexpr qint64 WallPerCpu = 5;

// What one run may spend: processor time and memory from its start, and the bytes of its answer.
struct Budget
{
    int cpuSeconds = 0;
    qint64 memoryBytes = 0;
    qsizetype answerBytes = 0;
};

struct Run
{
    enum class End
    {
        Ended,       // by itself: `status` and `peakBytes` say how
        OverTime,    // killed once ready for longer than WallPerCpu times its processor time
        OverAnswer,  // killed for an answer beyond its budget
        Missing,     // no helper program to run
        CannotStart, // not started, or not ready in StartMs
        Stopped,     // killed because the stop was raised
    };
    End end = End::CannotStart;
    int status = 0;       // its wait status, when it ended by itself
    qint64 peakBytes = 0; // its largest resident size
    QByteArray answer;    // what it wrote after its ready line
};

// What a helper's wait status and its largest resident size say of how it ended.
enum class Ending
{
    Answered,    // it exited normally: its answer says the rest
    OutOfMemory, // it said so, or crashed having used over half its memory
    OutOfTime,   // its processor time ran out
    Stopped,     // ended from outside, with the program
    Failed,      // anything else: a crash, another exit
};
Ending endingOf(int waitStatus, qint64 peakBytes, qint64 memoryBytes);

// Why a run that never got going gives nothing: the helper is missing or cannot be started.
QString notStartedReason(const Run& run);

// The helper to run: the installed one beside the running program's folder, else the one of the
// build tree; empty when there is none.
QString program();

// Runs `quenbrook-decode MODE CPU_SECONDS MEMORY_BYTES` with `input` on its input and waits for
// it; it is always waited for before this returns.
Run run(const char* mode, const QByteArray& input, const Budget& budget,
        const LoadStop* stop = nullptr);

} // namespace quenbrook::DecodeHelper
