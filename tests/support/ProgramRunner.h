// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// Starts a program, feeds it its standard input and waits for it, within a time limit.

#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QStringList>
#include <QTest>

#include <functional>

namespace testsupport {

struct ProgramRun
{
    int status = -1; // the exit code; -1 when it crashed, did not start or ran out of time
    QByteArray out, err;
    QString errText() const { return QString::fromLocal8Bit(err); }
};

struct RunOptions
{
    QStringList environment; // NAME=VALUE set besides the system's
    QStringList unset;       // names taken out of it
    QString workingDirectory;
    QByteArray input;
    int timeoutMs = 120000;
    std::function<void()> inChild; // run in the child before the program starts
    // Events of this process keep flowing while it waits: for a server of the test's own.
    bool serveEvents = false;
};

// Sets the process up as the options ask and starts it; the program is looked up on PATH when
// given without a folder.
inline void startProgram(QProcess& process, const QString& program, const QStringList& arguments,
                         const RunOptions& options = {})
{
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    for (const QString& name : options.unset)
        variables.remove(name);
    for (const QString& variable : options.environment)
        variables.insert(variable.section('=', 0, 0), variable.section('=', 1));
    process.setProcessEnvironment(variables);
    process.setWorkingDirectory(options.workingDirectory); // empty: this process's
    if (options.inChild)
        process.setChildProcessModifier(options.inChild);
    const QString found = program.contains('/') ? program : QStandardPaths::findExecutable(program);
    process.start(found.isEmpty() ? program : found, arguments);
}

inline ProgramRun runProgram(const QString& program, const QStringList& arguments,
                             const RunOptions& options = {})
{
    QProcess process;
    startProgram(process, program, arguments, options);
    process.write(options.input);
    process.closeWriteChannel();
    const auto ended = [&] { return process.state() == QProcess::NotRunning; };
    if (!(options.serveEvents ? QTest::qWaitFor(ended, options.timeoutMs)
                              : process.waitForFinished(options.timeoutMs)) &&
        !ended()) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    const bool normal =
        process.exitStatus() == QProcess::NormalExit && process.error() != QProcess::FailedToStart;
    return {normal ? process.exitCode() : -1, process.readAllStandardOutput(),
            process.readAllStandardError()};
}

} // namespace testsupport
