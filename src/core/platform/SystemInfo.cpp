// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/platform/SystemInfo.h"

#include <QProcess>
#include <QStandardPaths>

namespace quenbrook::SystemInfo {

QStringList Candidates()
{
    return {QStringLiteral("hardinfo"), QStringLiteral("gnome-system-monitor"),
            QStringLiteral("kinfocenter"), QStringLiteral("lshw-gtk")};
}

QString FindInstalled()
{
    for (const QString& name : Candidates()) {
        const QString path = QStandardPaths::findExecutable(name);
        if (!path.isEmpty())
            return path;
    }
    return {};
}

bool StartDetached(const QString& program)
{
    return QProcess::startDetached(program, {});
}

bool Start(const Finder& find, const Launcher& launch)
{
    const QString program = find ? find() : QString();
    return !program.isEmpty() && launch && launch(program);
}

} // namespace quenbrook::SystemInfo
