#include "platform/FreedesktopRegistry.h"
#include "platform/Printers.h"
#include "settings/SettingsStore.h"
#include "startup/Application.h"
#include "startup/CommandLine.h"
#include "startup/LocalHandOff.h"
#include "startup/RegisterFileTypes.h"
#include "startup/mQuenbrook.h"

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
