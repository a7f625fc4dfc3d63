// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace quenbrook {

// A file in the freedesktop key-file format (desktop entries, mimeapps.list, mimeinfo.cache):
// "[Group]" lines, "key=value" lines, comments. Every line read is kept as it was, so a file
// written back after setValue differs from the original only in that value.
class DesktopKeyFile
{
public:
    DesktopKeyFile() = default;
    explicit DesktopKeyFile(const QByteArray& text);
    // A missing or unreadable file reads as an empty one.
    static DesktopKeyFile load(const QString& path);

    // The value as written (escapes kept), "" when the key is missing. The first group of that
    // name counts.
    QString value(const QString& group, const QString& key) const;
    // The keys of the first group of that name, in file order.
    QStringList keys(const QString& group) const;
    // Replaces the key's line, or adds one at the end of the group, adding the group if needed.
    void setValue(const QString& group, const QString& key, const QString& value);
    // Takes the key's line out of the first group of that name; false when there was none.
    bool removeValue(const QString& group, const QString& key);

    QByteArray text() const;

private:
    struct Line
    {
        QString group;
        QString key; // empty for group headers, comments and blank lines
        QString text;
    };
    QList<Line> lines_;
};

// The string escapes of the format: "\\", "\n", "\t", "\r", and "\s" for a leading blank.
QString EscapeValue(const QString& text);
QString UnescapeValue(const QString& value);

// A list value: items ended by ";" (the last ";" may be missing).
QStringList SplitList(const QString& value);
QString JoinList(const QStringList& items);

// Writes the text through a QSaveFile unless the file already holds exactly it. True when the
// file changed; a failure is reported on stderr and leaves the old file.
bool WriteIfChanged(const QString& path, const QByteArray& text);

} // namespace quenbrook
