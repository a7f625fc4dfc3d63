// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace quenbrook::SystemInfo {

// The system-information programs tried, in order.
QStringList Candidates();

// Full path of the first candidate found on PATH, or empty.
QString FindInstalled();

// Starts the program detached from this one; false when it could not be started.
bool StartDetached(const QString& program);

using Finder = std::function<QString()>;
using Launcher = std::function<bool(const QString& program)>;

// Finds the tool and starts it; false when none is installed or it would not start.
bool Start(const Finder& find = FindInstalled, const Launcher& launch = StartDetached);

} // namespace quenbrook::SystemInfo
