// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

#include <functional>

namespace quenbrook {

class ClassRegistry;
class SettingsStore;

// The two verbs offered on every picture type, and the program's own class that takes the types
// no other program has claimed.
inline const QString AddVerb = QStringLiteral("Add to Album Printer");
inline const QString ViewVerb = QStringLiteral("Album Image Viewer");
inline const QString ProgramClass = QStringLiteral("Quenbrook");
inline const QString ProgramClassDescription = QStringLiteral("Quenbrook");

// The executable's path without its extension: the folder, a "/" unless the folder ends in one,
// then the file name up to its last ".".
QString ExecutablePathWithoutExtension(const QString& exeFolder, const QString& exeFileName);

// The command a verb runs: the executable (quoted, with its real extension, none on Linux), the
// switch, and the "%1" that the file manager replaces with the chosen file.
QString VerbCommand(const QString& exeFolder, const QString& exeFileName,
                    const QString& commandSwitch);

// The program's icon: the icon-theme name of the executable, its file name without extension.
// (An ELF file carries no icons of its own; the packaging installs one under that name.)
QString ProgramIcon(const QString& exeFileName);

// Offers both verbs on every picture type: first "Add to Album Printer" on all of them, then
// "Album Image Viewer". Types without a class are given the program's class first.
void RegisterFileTypes(ClassRegistry& registry, const QString& exeFolder,
                       const QString& exeFileName);

// Registers one verb for one extension: on the extension's own class when it has one, else on
// the program's class, which the extension then joins with its description and icon.
void RegisterExtension(ClassRegistry& registry, const QString& extension, const QString& command,
                       const QString& verb, const QString& className, const QString& description,
                       const QString& icon);

// Registers the file types when the program's folder differs from the stored "Path" (then stores
// the folder) or else when the stored "V" differs from this release (then stores the version).
// True when it registered.
bool RefreshRegistration(SettingsStore& store, const QString& exeFolder,
                         const std::function<void()>& registerTypes);

} // namespace quenbrook
