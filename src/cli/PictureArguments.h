#pragma once

#include <QString>
#include <QStringList>

#include <cstdio>

namespace quenbrook {

struct PictureList
{
    QStringList Paths;
    QString Problem; // a folder that cannot be listed
};

// The print list of the command line's picture arguments, in order: a file as given, a folder's
// pictures in the order of the program's file lists, and for "-" the paths read from input, one
// a line (empty lines skipped), or NUL-separated when nulSeparated. Files are not checked here; the
// picture loader judges them.
PictureList CollectPictures(const QStringList& arguments, std::FILE* input, bool nulSeparated);

// A picture loader's message about path, naming the picture by its path as given instead of its
// file name, and saying what a name that is not a regular file (a FIFO, a device) or is hidden
// leads to. Other messages are returned as they are.
QString PictureMessage(const QString& path, const QString& message);

// Why the album cannot be written to output: it is one of the pictures (the same file, by any
// name or link) or leads through a link to a picture's name; empty when it can. Nothing is read.
QString OutputAmongPictures(const QString& output, const QStringList& pictures);

} // namespace quenbrook
