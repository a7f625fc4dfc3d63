#include "cli/PictureArguments.h"

#include "core/files/FolderListing.h"
#include "core/geometry/FilePaneRules.h"
#include "core/platform/OutputFile.h"
#include "core/program/FileNames.h"
#include "core/program/PictureFileTypes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace quenbrook {
namespace {

// Paths one a line, or separated by NUL bytes (find -print0), where a line end is part of a name.
QStringList pathsOf(std::FILE* input, bool nulSeparated)
{
    QFile file;
    QStringList paths;
    if (!file.open(input, QIODevice::ReadOnly))
        return paths;
    const QByteArray all = file.readAll();
    for (QByteArray path : all.split(nulSeparated ? '\0' : '\n')) {
        while (!nulSeparated && path.endsWith('\r'))
            path.chop(1);
        if (!path.isEmpty())
            paths << FileNameFromBytes(path);
    }
    return paths;
}

} // namespace

PictureList CollectPictures(const QStringList& arguments, std::FILE* input, bool nulSeparated)
{
    PictureList list;
    for (const QString& argument : arguments) {
        if (argument == QLatin1String("-")) {
            list.Paths << pathsOf(input, nulSeparated);
            continue;
        }
        if (!FileFactsOf(argument).isFolder) {
            list.Paths << argument;
            continue;
        }
        if (!IsListableFolder(argument)) {
            list.Problem = FolderUnreadableMessage(argument);
            return list;
        }
        for (const QString& name : FileListNames(argument, AlbumFolderPattern()))
            list.Paths << FolderAndFile(argument, name);
    }
    return list;
}

QString PictureMessage(const QString& path, const QString& message)
{
    const QString info = QFileInfo(path).fileName();
    const QString prefix = ShownFileName(info.isEmpty() ? path : info) + QStringLiteral(": ");
    if (!message.startsWith(prefix))
        return message; // not about this picture
    const QString shown = ShownFileName(QDir::toNativeSeparators(path)) + QStringLiteral(": ");
    struct stat status = {};
    if (::stat(FileNameBytes(path).constData(), &status) == 0) {
        if (S_ISDIR(status.st_mode))
            return shown +
                   QCoreApplication::translate("quenbrook-album", "a folder, not a picture file");
        if (!S_ISREG(status.st_mode))
            return shown +
                   QCoreApplication::translate("quenbrook-album", "not a regular file (%1)")
                       .arg(S_ISFIFO(status.st_mode)
                                ? QCoreApplication::translate("quenbrook-album", "a FIFO")
                            : S_ISSOCK(status.st_mode)
                                ? QCoreApplication::translate("quenbrook-album", "a socket")
                                : QCoreApplication::translate("quenbrook-album", "a device"));
        if (info.startsWith(QLatin1Char('.')))
            return shown + QCoreApplication::translate(
                               "quenbrook-album", "a hidden file, which the program does not open");
    }
    return shown + message.mid(prefix.size());
}

QString OutputAmongPictures(const QString& output, const QStringList& pictures)
{
    struct stat written = {};
    if (output == OutputFile::StandardOutput ||
        ::stat(FileNameBytes(output).constData(), &written) != 0)
        return QString(); // nothing there yet, so no picture to lose
    const QString name = QDir::toNativeSeparators(output);
    const QString target = QFileInfo(output).canonicalFilePath();
    if (IsAlbumPictureFile(target))
        return QCoreApplication::translate("quenbrook-album",
                                           "The output file %1 leads to the picture %2.")
            .arg(name, QDir::toNativeSeparators(target));
    for (const QString& picture : pictures) {
        struct stat read = {};
        if (::stat(FileNameBytes(picture).constData(), &read) == 0 &&
            read.st_dev == written.st_dev && read.st_ino == written.st_ino)
            return QCoreApplication::translate("quenbrook-album",
                                               "The output file %1 is the picture %2.")
                .arg(name, QDir::toNativeSeparators(picture));
    }
    return QString();
}

} // namespace quenbrook
