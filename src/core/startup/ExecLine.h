// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace quenbrook {

// The arguments of a command written the registry way: separated by blanks, double quotes
// around one holding blanks (the quotes themselves dropped).
QStringList CommandArguments(const QString& command);

// The Exec line of a desktop entry that runs a command written the registry way: arguments
// separated by blanks, double quotes around one holding blanks, "%1" for the file. The file
// becomes the field code %F, so the files chosen together come in one start, in their order; other
// arguments are quoted and escaped as desktop entries require. `extra` goes right after the
// program.
QString ExecLine(const QString& command, const QStringList& extra = {});

} // namespace quenbrook
