#include "core/program/Application.h"
#include "core/settings/SettingsStore.h"
#include "core/startup/CommandLine.h"
#include "core/startup/FreedesktopRegistry.h"
#include "core/startup/LocalHandOff.h"
#include "core/startup/RegisterFileTypes.h"
#include "print/Printers.h"
#include "windows/startup/mQuenbrook.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

int main(int argc, char* argv[])
{
    using namespace quenbrook;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf16(ApplicationTitle));
    QApplication::setApplicationVersion(QString::fromUtf16(VersionText));
    // Hiding every window does not end the program; only the main windows' ending rules do.
    QApplication::setQuitOnLastWindowClosed(false);

    const QString exeFolder = QCoreApplication::applicationDirPath();
    const QString exeName = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    SettingsStore store;
    SystemPrinters printers;
    LocalHandOff handOff;
    mQuenbrook program(
        store, printers, handOff,
        [&] {
            FreedesktopRegistry registry;
            QFile icon(QStringLiteral(":/about/quenbrook.svg"));
            if (icon.open(QIODevice::ReadOnly))
                registry.setIconPicture(icon.readAll());
            RegisterFileTypes(registry, exeFolder, exeName);
        },
        exeFolder);
    if (!program.Main(CommandLineText(QCoreApplication::arguments().mid(1), QDir::current())))
        return 0;
    return QApplication::exec();
}
