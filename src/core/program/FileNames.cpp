// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/program/FileNames.h"

#include <QFile>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace quenbrook {
namespace {

constexpr char16_t KeptByteBase = 0xDC00;

// The length of the valid UTF-8 sequence at `at`, or 0.
int sequenceLength(const QByteArray& b, qsizetype at)
{
    const uchar c = uchar(b[at]);
    int length = 0;
    char32_t code = 0, least = 0;
    if (c < 0x80)
        return 1;
    if (c >= 0xC2 && c <= 0xDF) {
        length = 2, code = c & 0x1F, least = 0x80;
    } else if (c >= 0xE0 && c <= 0xEF) {
        length = 3, code = c & 0x0F, least = 0x800;
    } else if (c >= 0xF0 && c <= 0xF4) {
        length = 4, code = c & 0x07, least = 0x10000;
    } else {
        return 0;
    }
    if (at + length > b.size())
        return 0;
    for (int i = 1; i < length; ++i) {
        const uchar next = uchar(b[at + i]);
        if ((next & 0xC0) != 0x80)
            return 0;
        code = code << 6 | (next & 0x3F);
    }
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

bool keepsBytes(const QString& name)
{
    for (const QChar c : name)
        if (c.unicode() >= KeptByteBase + 0x80 && c.unicode() <= KeptByteBase + 0xFF)
            return true;
    return false;
}

} // namespace

QString FileNameFromBytes(const QByteArray& bytes)
{
    QString name;
    qsizetype valid = 0; // start of the run of valid UTF-8 not yet added
    qsizetype at = 0;
    while (at < bytes.size()) {
        const int length = sequenceLength(bytes, at);
        if (length > 0) {
            at += length;
            continue;
        }
        name += QString::fromUtf8(bytes.constData() + valid, at - valid);
        name += QChar(char16_t(KeptByteBase + uchar(bytes[at])));
        valid = ++at;
    }
    return name + QString::fromUtf8(bytes.constData() + valid, bytes.size() - valid);
}

QByteArray FileNameBytes(const QString& name)
{
    if (!keepsBytes(name))
        return name.toUtf8();
    QByteArray bytes;
    qsizetype valid = 0;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t c = name[i].unicode();
        if (c < KeptByteBase + 0x80 || c > KeptByteBase + 0xFF)
            continue;
        bytes += QStringView(name).mid(valid, i - valid).toUtf8();
        bytes += char(c - KeptByteBase);
        valid = i + 1;
    }
    return bytes + QStringView(name).mid(valid).toUtf8();
}

QString ShownFileName(const QString& name)
{
    if (!keepsBytes(name))
        return name;
    QString shown = name;
    for (QChar& c : shown)
        if (c.unicode() >= KeptByteBase + 0x80 && c.unicode() <= KeptByteBase + 0xFF)
            c = QChar::ReplacementCharacter;
    return shown;
}

QStringList FolderEntries(const QString& folder)
{
    QStringList names;
    DIR* dir = ::opendir(FileNameBytes(folder).constData());
    if (!dir)
        return names;
    while (const dirent* entry = ::readdir(dir)) {
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
            names << FileNameFromBytes(QByteArray(entry->d_name));
    }
    ::closedir(dir);
    return names;
}

FileFacts FileFactsOf(const QString& path)
{
    struct stat st
    {};
    if (path.isEmpty() || ::stat(FileNameBytes(path).constData(), &st) != 0)
        return {};
    return {true, S_ISREG(st.st_mode), S_ISDIR(st.st_mode), qint64(st.st_size)};
}

QString OpenForReading(QFile& file, const QString& path)
{
    if (!keepsBytes(path)) {
        file.setFileName(path);
        return file.open(QIODevice::ReadOnly) ? QString() : file.errorString();
    }
    const int fd = ::open(FileNameBytes(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return file.errorString();
    }
    return QString();
}

} // namespace quenbrook
