// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class QFile;

namespace quenbrook {

// File names as the system stores them are bytes, usually UTF-8. A name that is not valid UTF-8
// is still opened: each byte that does not decode is kept as one of the characters U+DC80 to
// U+DCFF, and turned back into that byte when the file is opened.
QString FileNameFromBytes(const QByteArray& bytes);
QByteArray FileNameBytes(const QString& name);

// The name as shown to the user: kept bytes shown as U+FFFD.
QString ShownFileName(const QString& name);

// Names of the entries of folder, "." and ".." left out, in no order. Empty when it cannot be
// listed.
QStringList FolderEntries(const QString& folder);

struct FileFacts
{
    bool exists = false;
    bool isFile = false; // following links
    bool isFolder = false;
    qint64 size = 0;
};
FileFacts FileFactsOf(const QString& path);

// Opens the file at path for reading: empty, or why it cannot be opened.
QString OpenForReading(QFile& file, const QString& path);

} // namespace quenbrook
