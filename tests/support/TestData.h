// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// Files the tests read: the bundled sample pictures and tests/data, and files they write.

#include <QDir>
#include <QFile>
#include <QStringList>

namespace testsupport {

inline QString samplePath(const QString& name)
{
    return QStringLiteral(QUENBROOK_SAMPLES_DIR "/") + name;
}

inline QString dataPath(const QString& name)
{
    return QStringLiteral(QUENBROOK_TESTDATA_DIR "/") + name;
}

// The lines of a file in tests/data, blank ones kept; the last line's end makes no line of its
// own. Empty when the file cannot be read.
inline QStringList dataLines(const QString& name)
{
    QFile file(dataPath(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// The bytes written to a file of that name in `folder`; its path.
inline QString savedFile(const QDir& folder, const QString& name, const QByteArray& bytes)
{
    QFile file(folder.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(file.fileName()));
    return file.fileName();
}

// Each value in `size` bytes, lowest first: the numbers of a binary file built by hand.
inline QByteArray le(int size, std::initializer_list<qint64> values)
{
    QByteArray bytes;
    for (const qint64 v : values)
        for (int i = 0; i < size; ++i)
            bytes += char((v >> 8 * i) & 0xFF);
    return bytes;
}

} // namespace testsupport
