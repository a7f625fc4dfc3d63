// SPDX-License-Identifier: GPL-2.0-or-later
#include "FuzzTargets.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdlib>

namespace fuzzing {

const QList<Target>& Targets()
{
    static const QList<Target> all{
        {"pictures", PicturesOutcome},  {"photos", PhotosOutcome},
        {"numbers", NumbersOutcome},    {"commandline", CommandLineOutcome},
        {"handoff", HandOffOutcome},    {"printsettings", PrintSettingsOutcome},
        {"metafiles", MetafilesOutcome}};
    return all;
}

const Target* FindTarget(const QString& name)
{
    for (const Target& target : Targets())
        if (name == QLatin1String(target.name))
            return &target;
    return nullptr;
}

void StartApplication()
{
    static int argc = 1;
    static char name[] = "quenbrook-fuzz";
    static char* argv[] = {name, nullptr};
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication app(argc, argv);
}

void WriteInput(const QString& path, QByteArrayView input)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    file.write(input.data(), input.size());
}

} // namespace fuzzing
