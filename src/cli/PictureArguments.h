// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/pictures/LoadStop.h"

#include <QString>
#include <QStringList>

#include <cstdio>

namespace quenbrook {

struct OutputPath;

// What standard input's list may hold: a name no longer than the system takes a path, and no
// more bytes in all than names of a few hundred thousand pictures take.
constexpr qsizetype MaxListedNameBytes = 4095;
constexpr qint64 MaxListBytes = qint64(32) << 20;

struct PictureList
{
    enum class Trouble
    {
        None,
        Unreadable,  // a folder that cannot be listed, or input that cannot be read
        Unusable,    // a list on input beyond its bounds: the command line is wrong
        Interrupted, // the stop was raised while input was read
    };
    QStringList Paths;
    Trouble Kind = Trouble::None;
    QString Problem;
};

// The print list of the command line's picture arguments, in order: a file as given, a folder's
// pictures in the order of the program's file lists, and for "-" the paths read from the input
// file descriptor, one a line (empty lines skipped), or NUL-separated when nulSeparated. Input
// is read no further than its bounds, and not at all once the stop is raised. Files are not
// checked here; the picture loader judges them.
PictureList CollectPictures(const QStringList& arguments, int input, bool nulSeparated,
                            const LoadStop* stop);

// A picture loader's message about path, naming the picture by its path as given instead of its
// file name, and saying what a name that is not a regular file (a FIFO, a device) or is hidden
// leads to. Other messages are returned as they are.
QString PictureMessage(const QString& path, const QString& message);

// Why the album cannot be written to the output named `typed`, found at `output`: it cannot be
// written there at all, or it is named like a picture or leads through a link to a picture's
// name; empty when it can.
QString OutputProblem(const QString& typed, const OutputPath& output);

// Why the album cannot be written to the output: it is one of the pictures, the same file by
// any name or link; empty when it can. Nothing is read.
QString OutputAmongPictures(const QString& typed, const OutputPath& output,
                            const QStringList& pictures);

} // namespace quenbrook
