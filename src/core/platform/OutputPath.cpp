// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/platform/OutputPath.h"

#include "core/platform/OutputFile.h"
#include "core/program/FileNames.h"

#include <QCoreApplication>
#include <QDir>

#include <cerrno>
#include <climits>
#include <cstdlib>

#include <sys/stat.h>
#include <unistd.h>

namespace quenbrook {
namespace {

// As the system follows links before it gives up.
constexpr int MaxLinks = 40;

QString translated(const char* text)
{
    return QCoreApplication::translate("OutputPath", text);
}

QString shown(const QByteArray& name)
{
    return QDir::toNativeSeparators(ShownFileName(FileNameFromBytes(name)));
}

OutputPath refused(const QString& problem)
{
    OutputPath path;
    path.Problem = problem;
    return path;
}

OutputPath folderRefused(const QByteArray& typed)
{
    return refused(
        translated(QT_TRANSLATE_NOOP("OutputPath",
                                     "The output file %1 is a folder; the album is a file, like "
                                     "-o album.pdf."))
            .arg(shown(typed)));
}

// One step: the name with its folder made absolute and free of links, "." and "..". The last
// part is left as it is, so it may still be a link.
OutputPath placed(const QByteArray& name, const QByteArray& typed)
{
    const qsizetype slash = name.lastIndexOf('/');
    const QByteArray last = name.mid(slash + 1);
    if (last.isEmpty() || last == "." || last == "..") {
        struct stat status = {};
        if (::stat(name.constData(), &status) == 0 && S_ISDIR(status.st_mode))
            return folderRefused(typed);
        return refused(translated(QT_TRANSLATE_NOOP(
                                      "OutputPath",
                                      "The output file %1 ends as a folder's name does, but there "
                                      "is no such folder; the album is a file, like -o album.pdf."))
                           .arg(shown(typed)));
    }
    const QByteArray folder = slash < 0    ? QByteArray(".")
                              : slash == 0 ? QByteArray("/")
                                           : name.left(slash);
    char real[PATH_MAX];
    struct stat status = {};
    if (::realpath(folder.constData(), real) && ::stat(real, &status) == 0 &&
        !S_ISDIR(status.st_mode))
        errno = ENOTDIR;
    if (!S_ISDIR(status.st_mode))
        return refused(
            translated(QT_TRANSLATE_NOOP("OutputPath",
                                         "The folder of the output file %1 cannot be used: %2"))
                .arg(shown(typed), qt_error_string(errno)));
    QByteArray path(real);
    if (!path.endsWith('/'))
        path += '/';
    OutputPath out;
    out.Path = FileNameFromBytes(path + last);
    return out;
}

} // namespace

OutputPath ResolveOutputPath(const QString& name)
{
    if (name == OutputFile::StandardOutput) {
        OutputPath out;
        out.Path = name;
        return out;
    }
    const QByteArray typed = FileNameBytes(name);
    if (typed.isEmpty())
        return refused(translated(QT_TRANSLATE_NOOP("OutputPath", "The output file has no name.")));
    OutputPath out = placed(typed, typed);
    for (int links = 0; out.Problem.isEmpty(); ++links) {
        const QByteArray path = FileNameBytes(out.Path);
        struct stat status = {};
        if (::lstat(path.constData(), &status) != 0) {
            if (errno == ENOENT)
                return out; // a new file
            return refused(
                translated(QT_TRANSLATE_NOOP("OutputPath", "The output file %1 cannot be used: %2"))
                    .arg(shown(typed), qt_error_string(errno)));
        }
        if (!S_ISLNK(status.st_mode)) {
            if (S_ISDIR(status.st_mode))
                return folderRefused(typed);
            out.Exists = true;
            out.Device = status.st_dev;
            out.Inode = status.st_ino;
            return out;
        }
        if (links == MaxLinks)
            return refused(
                translated(QT_TRANSLATE_NOOP("OutputPath", "The output file %1 cannot be used: %2"))
                    .arg(shown(typed), qt_error_string(ELOOP)));
        char text[PATH_MAX];
        const ssize_t length = ::readlink(path.constData(), text, sizeof text);
        if (length <= 0 || length >= ssize_t(sizeof text))
            return refused(
                translated(QT_TRANSLATE_NOOP("OutputPath", "The output file %1 cannot be used: %2"))
                    .arg(shown(typed), qt_error_string(length < 0 ? errno : ENAMETOOLONG)));
        QByteArray target(text, length);
        if (!target.startsWith('/'))
            target = path.left(path.lastIndexOf('/') + 1) + target;
        out = placed(target, typed);
    }
    return out;
}

QString PictureAtOutput(const OutputPath& output, const QStringList& pictures)
{
    if (!output.Exists)
        return QString(); // nothing there yet, so no picture to lose
    for (const QString& picture : pictures) {
        struct stat read = {};
        if (::stat(FileNameBytes(picture).constData(), &read) == 0 &&
            read.st_dev == output.Device && read.st_ino == output.Inode)
            return picture;
    }
    return QString();
}

} // namespace quenbrook
