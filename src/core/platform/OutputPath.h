// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <sys/types.h>

namespace quenbrook {

// The file an output name leads to, found once; every check of the output and its writing use
// this path and no other.
struct OutputPath
{
    // Absolute, with no ".", "..", doubled "/" or symbolic link left in it: a link is followed
    // to the file it names, as writing through it would. "-" (standard output) stays "-".
    // Empty when Problem is set.
    QString Path;
    // Why no file can be written under the name: it names a folder ("album/", "x/.", a folder
    // itself), or a folder on its way is missing or is a file. Empty when it can be tried.
    QString Problem;
    // Something is at Path already: which file, to be told apart from the pictures read.
    bool Exists = false;
    dev_t Device = 0;
    ino_t Inode = 0;
};

OutputPath ResolveOutputPath(const QString& name);

// The first of the pictures that is the very file at the output path (the same file by its
// device and inode, whatever it is called), or an empty text.
QString PictureAtOutput(const OutputPath& output, const QStringList& pictures);

} // namespace quenbrook
