// SPDX-License-Identifier: GPL-2.0-or-later
#include "cli/PictureArguments.h"

#include "core/files/FolderListing.h"
#include "core/geometry/FilePaneRules.h"
#include "core/platform/OutputFile.h"
#include "core/platform/OutputPath.h"
#include "core/program/FileNames.h"
#include "core/program/PictureFileTypes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quenbrook {
namespace {

// Paths one a line, or separated by NUL bytes (find -print0), where a line end is part of a name.
class ListReader
{
public:
    ListReader(bool nulSeparated, PictureList& list)
        : separator_(nulSeparated ? '\0' : '\n')
        , list_(list)
    {}

    // Reads to the end of input, the first bound passed or the stop; false with the list's
    // problem when it did not get to the end.
    bool read(int input, const LoadStop* stop)
    {
        char buffer[1 << 16];
        for (;;) {
            if (stopRaised(stop))
                return refuse(PictureList::Trouble::Interrupted, QString());
            // Waits in short steps, so that a stop is seen while a terminal or pipe is silent.
            // A signal that breaks the wait is looked at before the next read, which could block.
            pollfd ready{input, POLLIN, 0};
            const int waited = ::poll(&ready, 1, 100);
            if (waited == 0 || (waited < 0 && (errno == EINTR || errno == EAGAIN)))
                continue;
            // One byte past the bound is enough to know the list is too long.
            const qint64 room = MaxListBytes + 1 - total_;
            const ssize_t got =
                ::read(input, buffer, std::size_t(std::min<qint64>(sizeof buffer, room)));
            if (got < 0 && (errno == EINTR || errno == EAGAIN))
                continue;
            if (got < 0)
                return refuse(PictureList::Trouble::Unreadable,
                              QCoreApplication::translate("quenbrook-album",
                                                          "Standard input cannot be read: %1")
                                  .arg(qt_error_string(errno)));
            if (got == 0)
                return endName();
            total_ += got;
            if (total_ > MaxListBytes)
                return refuse(PictureList::Trouble::Unusable,
                              QCoreApplication::translate(
                                  "quenbrook-album",
                                  "The list on standard input is longer than %1 MB; give the "
                                  "pictures in shorter lists, or as folders.")
                                  .arg(MaxListBytes >> 20));
            if (!take(buffer, got))
                return false;
        }
    }

private:
    bool take(const char* data, qsizetype size)
    {
        while (size > 0) {
            // A separator with no name before it ends nothing.
            if (name_.isEmpty() && *data == separator_) {
                ++data;
                --size;
                continue;
            }
            const char* end = static_cast<const char*>(std::memchr(data, separator_, size));
            const qsizetype part = end ? end - data : size;
            if (name_.size() + part > MaxListedNameBytes)
                return refuse(PictureList::Trouble::Unusable,
                              QCoreApplication::translate(
                                  "quenbrook-album",
                                  "A name on standard input is longer than %1 bytes, the longest "
                                  "path the system takes.")
                                  .arg(MaxListedNameBytes));
            name_.append(data, part);
            if (!end)
                break;
            endName();
            data += part + 1;
            size -= part + 1;
        }
        return true;
    }

    bool endName()
    {
        while (separator_ == '\n' && name_.endsWith('\r'))
            name_.chop(1);
        if (!name_.isEmpty())
            list_.Paths << FileNameFromBytes(name_);
        name_.clear();
        return true;
    }

    bool refuse(PictureList::Trouble kind, const QString& problem)
    {
        list_.Kind = kind;
        list_.Problem = problem;
        return false;
    }

    const char separator_;
    PictureList& list_;
    QByteArray name_;
    qint64 total_ = 0;
};

} // namespace

PictureList CollectPictures(const QStringList& arguments, int input, bool nulSeparated,
                            const LoadStop* stop)
{
    PictureList list;
    for (const QString& argument : arguments) {
        if (argument == QLatin1String("-")) {
            if (!ListReader(nulSeparated, list).read(input, stop))
                return list;
            continue;
        }
        if (!FileFactsOf(argument).isFolder) {
            list.Paths << argument;
            continue;
        }
        if (!IsListableFolder(argument)) {
            list.Kind = PictureList::Trouble::Unreadable;
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

QString OutputProblem(const QString& typed, const OutputPath& output)
{
    if (!output.Problem.isEmpty())
        return output.Problem;
    if (output.Path == OutputFile::StandardOutput || !IsAlbumPictureFile(output.Path))
        return QString();
    const QString name = QDir::toNativeSeparators(typed);
    if (IsAlbumPictureFile(typed))
        return QCoreApplication::translate("quenbrook-album",
                                           "The output file %1 is named like a picture; the "
                                           "album is a PDF file, like -o album.pdf.")
            .arg(name);
    return QCoreApplication::translate("quenbrook-album",
                                       "The output file %1 leads to the picture %2.")
        .arg(name, QDir::toNativeSeparators(output.Path));
}

QString OutputAmongPictures(const QString& typed, const OutputPath& output,
                            const QStringList& pictures)
{
    const QString picture = PictureAtOutput(output, pictures);
    if (picture.isEmpty())
        return QString();
    return QCoreApplication::translate("quenbrook-album", "The output file %1 is the picture %2.")
        .arg(QDir::toNativeSeparators(typed), QDir::toNativeSeparators(picture));
}

} // namespace quenbrook
