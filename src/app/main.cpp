// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/pictures/PictureMemory.h"
#include "core/program/Application.h"
#include "core/program/ProgramMessages.h"
#include "core/program/Translations.h"
#include "core/settings/SettingsStore.h"
#include "core/startup/CommandLine.h"
#include "core/startup/FreedesktopRegistry.h"
#include "core/startup/LocalHandOff.h"
#include "core/startup/RegisterFileTypes.h"
#include "print/Printers.h"
#include "windows/common/Messages.h"
#include "windows/startup/mQuenbrook.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>

#include <cstdio>
#include <optional>

namespace {

// Why no graphical display can be opened, or empty when one may be: Qt would abort instead.
QString missingDisplay()
{
    const QString platforms = qEnvironmentVariable("QT_QPA_PLATFORM");
    for (const QString& platform : platforms.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        // offscreen, vnc, eglfs and the like need no display server.
        const QString name = platform.section(QLatin1Char(':'), 0, 0);
        if (name != QStringLiteral("xcb") && !name.startsWith(QStringLiteral("wayland")))
            return {};
    }
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return QStringLiteral("Quenbrook needs a graphical display and found none: neither "
                              "DISPLAY nor WAYLAND_DISPLAY is set.");
    return {};
}

QStringList argumentsOf(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// A file manager's asks to view files the program does not open are taken out and refused by
// this process alone: a running instance keeps its windows and print list. Gives the exit code
// when nothing is left to do.
std::optional<int> refuseFromFileManager(QStringList& commands, const QString& missing, int& argc,
                                         char* argv[])
{
    using namespace quenbrook;
    const qsizetype refused =
        commands.removeIf([](const QString& command) { return RefusedFromFileManager(command); });
    if (refused == 0)
        return std::nullopt;
    if (!missing.isEmpty()) {
        qCritical("%s", qPrintable(ProgramMessages::CantOpenFile()));
        return 1;
    }
    QApplication app(argc, argv);
    LoadTranslations(app);
    ShowMessage(nullptr, ProgramMessages::CantOpenFile(), MessageIcon::Information);
    if (commands.isEmpty())
        return 0;
    return std::nullopt;
}

// One at a time, each acknowledged before the next, so they arrive in order.
int handOver(quenbrook::LocalHandOff& handOff, const QStringList& commands, int& argc, char* argv[])
{
    QCoreApplication later(argc, argv);
    for (const QString& command : commands)
        if (!handOff.sendAndConfirm(command))
            return 1;
    return 0;
}

void setUpApplication(QApplication& app)
{
    using namespace quenbrook;
    LoadTranslations(app);
    QApplication::setApplicationName(QString::fromUtf16(ApplicationTitle));
    QApplication::setApplicationVersion(QString::fromUtf16(VersionText));
    // The installed desktop entry: desktops take the windows' icon and name from it.
    QGuiApplication::setDesktopFileName(QStringLiteral(QUENBROOK_APP_ID));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(QUENBROOK_APP_ID),
                                                 QIcon(QStringLiteral(":/about/quenbrook.svg"))));
    // Hiding every window does not end the program; only the main windows' ending rules do.
    QApplication::setQuitOnLastWindowClosed(false);
}

void registerWithDesktop(const QString& exeFolder, const QString& exeName)
{
    using quenbrook::FreedesktopRegistry;
    // An installed program's own entries (in its prefix or the system's folders) offer the verbs
    // already: nothing is written for the user.
    const QStringList installed =
        QStringList{QDir::cleanPath(exeFolder + QStringLiteral("/../share"))} +
        FreedesktopRegistry::SystemDataFolders();
    if (FreedesktopRegistry::InstalledEntriesOffer(QDir(exeFolder).filePath(exeName),
                                                   {quenbrook::AddSwitch, quenbrook::ViewSwitch},
                                                   installed))
        return;
    FreedesktopRegistry registry;
    QFile icon(QStringLiteral(":/about/quenbrook.svg"));
    if (icon.open(QIODevice::ReadOnly))
        registry.setIconPicture(icon.readAll());
    quenbrook::RegisterFileTypes(registry, exeFolder, exeName);
}

int runProgram(quenbrook::LocalHandOff& handOff, const QStringList& commands)
{
    using namespace quenbrook;
    const QString exeFolder = QCoreApplication::applicationDirPath();
    const QString exeName = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    SettingsStore store;
    SystemPrinters printers;
    mQuenbrook program(
        store, printers, handOff, [&] { registerWithDesktop(exeFolder, exeName); }, exeFolder);
    if (!program.Main(commands.first()))
        return 0;
    for (const QString& command : commands.sliced(1))
        program.Form_LinkExecute(command);
    return QApplication::exec();
}

} // namespace

int main(int argc, char* argv[])
{
    using namespace quenbrook;
    // --help and --version answer on the terminal: no display, no running Quenbrook involved.
    if (const TerminalRequest request = GetTerminalRequest(argumentsOf(argc, argv));
        request != TerminalRequest::None) {
        QCoreApplication app(argc, argv);
        LoadTranslations(app);
        const QString text = request == TerminalRequest::Help
                                 ? StartHelpText()
                                 : QStringLiteral("quenbrook ") + QString::fromUtf16(VersionText) +
                                       QLatin1Char('\n');
        std::fputs(text.toLocal8Bit().constData(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }
    ReusePictureMemory();
    // A later start only hands its command line over: it needs no display, so that is decided
    // before the graphical application is made.
    QStringList commands = StartCommands(argumentsOf(argc, argv), QDir::current());
    const QString missing = missingDisplay();
    if (const std::optional<int> exitCode = refuseFromFileManager(commands, missing, argc, argv))
        return *exitCode;
    LocalHandOff handOff;
    if (handOff.PrevInstance())
        return handOver(handOff, commands, argc, argv);
    if (!missing.isEmpty()) {
        // Returning releases the lock, so the next start is not kept waiting for this one.
        qCritical("%s", qPrintable(missing));
        return 1;
    }

    QApplication app(argc, argv);
    setUpApplication(app);
    return runProgram(handOff, commands);
}
