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
// a line (empty lines skipped). Files are not checked here; the picture loader judges them.
PictureList CollectPictures(const QStringList& arguments, std::FILE* input);

} // namespace quenbrook
