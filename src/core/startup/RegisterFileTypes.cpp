// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/startup/RegisterFileTypes.h"

#include "core/program/Application.h"
#include "core/program/PictureFileTypes.h"
#include "core/program/ProgramKeys.h"
#include "core/settings/SettingsStore.h"
#include "core/startup/ClassRegistry.h"
#include "core/startup/CommandLine.h"

#include <QFileInfo>

namespace quenbrook {
namespace {

// The file name's extension with its dot, or "" when it has none.
QString realExtension(const QString& exeFileName)
{
    const QString suffix = QFileInfo(exeFileName).suffix();
    return suffix.isEmpty() ? QString() : QLatin1Char('.') + suffix;
}

QString quoted(const QString& text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

} // namespace

QString ExecutablePathWithoutExtension(const QString& exeFolder, const QString& exeFileName)
{
    QString path = exeFolder;
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path + exeFileName.left(exeFileName.size() - realExtension(exeFileName).size());
}

QString VerbCommand(const QString& exeFolder, const QString& exeFileName,
                    const QString& commandSwitch)
{
    const QString executable =
        ExecutablePathWithoutExtension(exeFolder, exeFileName) + realExtension(exeFileName);
    return quoted(executable) + QLatin1Char(' ') + commandSwitch + QLatin1Char(' ') +
           quoted(QStringLiteral("%1"));
}

QString ProgramIcon(const QString& exeFileName)
{
    return exeFileName.left(exeFileName.size() - realExtension(exeFileName).size());
}

void RegisterFileTypes(ClassRegistry& registry, const QString& exeFolder,
                       const QString& exeFileName)
{
    const QString icon = ProgramIcon(exeFileName);
    const QString add = VerbCommand(exeFolder, exeFileName, AddSwitch);
    for (const QString& extension : PictureFileTypes())
        RegisterExtension(registry, extension, add, AddVerb, ProgramClass, ProgramClassDescription,
                          icon);
    // By now every type has a class, so this pass only adds the second verb.
    const QString view = VerbCommand(exeFolder, exeFileName, ViewSwitch);
    for (const QString& extension : PictureFileTypes())
        RegisterExtension(registry, extension, view, ViewVerb, ProgramClass,
                          ProgramClassDescription, icon);
}

void RegisterExtension(ClassRegistry& registry, const QString& extension, const QString& command,
                       const QString& verb, const QString& className, const QString& description,
                       const QString& icon)
{
    const QString current = registry.GetExtensionClass(extension);
    if (current.isEmpty()) {
        // An unclaimed extension always goes to the program's own class.
        registry.SetExtensionClass(extension, ProgramClass);
        registry.SetClassDescription(className, description);
        registry.SetClassIcon(className, icon);
        registry.SetVerbCommand(className, verb, command);
    } else {
        // Someone else's class keeps its description, icon and other verbs.
        registry.SetVerbCommand(current, verb, command);
    }
}

bool RefreshRegistration(SettingsStore& store, const QString& exeFolder,
                         const std::function<void()>& registerTypes)
{
    const QString application = QString::fromUtf16(ApplicationTitle);
    if (store.GetSetting(application, ProgramKeys::Section, ProgramKeys::Path) != exeFolder) {
        registerTypes();
        store.SaveSetting(application, ProgramKeys::Section, ProgramKeys::Path, exeFolder);
        return true;
    }
    const QString version = QString::fromUtf16(VersionText);
    if (store.GetSetting(application, ProgramKeys::Section, ProgramKeys::V,
                         ProgramKeys::NoVersion) != version) {
        registerTypes();
        store.SaveSetting(application, ProgramKeys::Section, ProgramKeys::V, version);
        return true;
    }
    return false;
}

} // namespace quenbrook
