// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace quenbrook {

// A folder whose files can be listed: it exists and may be read and entered.
bool IsListableFolder(const QString& folder);

// What the user is told when a folder cannot be listed.
QString FolderUnreadableMessage(const QString& folder);

// Sorts names as a file manager lists them: letter case ignored, numbers by value ("A9" before
// "a10"); names equal that way keep their plain text order.
void SortAsFileList(QStringList& names);

// The names of the files in folder that match a ";"-separated wildcard pattern (letter case
// ignored, hidden files left out), in file-list order. Empty when the folder cannot be listed.
QStringList FileListNames(const QString& folder, const QString& pattern);

} // namespace quenbrook
