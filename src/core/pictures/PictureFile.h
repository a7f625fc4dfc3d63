// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/pictures/LoadStop.h"

#include <QByteArray>
#include <QString>

namespace quenbrook {

// A picture file's bytes, read whole with ordinary reads, never mapped: a mapped file that
// shrinks while it is read raises a signal, and photo folders that a sync tool or a camera
// import is still writing are ordinary. The bytes are one snapshot whatever the file does
// meanwhile; a picture cut short by it is then refused by its format's whole-file check.
struct PictureFile
{
    enum class Outcome
    {
        Read,
        NotFound,   // no such file, or not a regular file
        CannotRead, // why says what the system said
        TooLarge,   // beyond the limit, or grown beyond it while read; size says how large
        Stopped,
    };
    Outcome outcome = Outcome::CannotRead;
    QByteArray bytes;
    QString why;
    qint64 size = 0;
};

// At most `limit` bytes of the file at path; the reading gives up soon once `stop` is raised.
PictureFile ReadPictureFile(const QString& path, qint64 limit, const LoadStop* stop = nullptr);

} // namespace quenbrook
