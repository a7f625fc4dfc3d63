// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/AlbumOptions.h"
#include "cli/RunAlbum.h"
#include "core/pictures/PictureMemory.h"
#include "core/program/Application.h"
#include "core/program/FileNames.h"
#include "core/program/Translations.h"

#include <QGuiApplication>

#include <cstdio>

namespace {

// Qt's notes (a missing runtime folder and the like) are not for the user of a terminal tool.
void keepSeriousMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "quenbrook-album: %s\n", message.toLocal8Bit().constData());
}

} // namespace

int main(int argc, char* argv[])
{
    using namespace quenbrook;
    // No window is ever shown; text needs a GUI application, which needs no display here.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(keepSeriousMessages);
    ReusePictureMemory();
    QGuiApplication app(argc, argv);
    LoadTranslations(app);
    QGuiApplication::setApplicationName(QStringLiteral("quenbrook-album"));
    QGuiApplication::setApplicationVersion(QString::fromUtf16(VersionText));

    // Taken as bytes: Qt's own decoding loses file names that are not valid UTF-8.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << FileNameFromBytes(QByteArray(argv[i]));
    const ParsedCommandLine parsed = ParseAlbumCommandLine(arguments);
    if (!parsed.Request) {
        std::fputs(parsed.Text.toLocal8Bit().constData(),
                   parsed.Status == ExitDone ? stdout : stderr);
        return parsed.Status;
    }
    return RunAlbum(*parsed.Request);
}
