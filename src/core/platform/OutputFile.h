// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/pictures/LoadStop.h"

#include <QString>
#include <QStringView>

#include <memory>

class QFile;
class QIODevice;
class QSaveFile;

namespace quenbrook {

// A document delivered whole or not at all.
//
// - A file is written as QSaveFile writes it: into an unnamed file in its folder, which takes
//   its place in one step at commit() once every write succeeded. A symbolic link is written
//   through to its target and stays a link; a new file gets the user's umask, an existing one
//   keeps its permissions.
// - A FIFO, a character device or standard output ("-") is never replaced: the document is
//   spooled and sent there at commit(), so an abandoned or failed one sends nothing.
// - With no name the document is only spooled, to be read back under spoolPath().
// The spool and the unnamed file belong to the process: a run that is killed leaves nothing.
class OutputFile
{
public:
    static constexpr QStringView StandardOutput = u"-";

    explicit OutputFile(const QString& path = QString());
    // Whatever was not committed is thrown away; an older file stays as it was.
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // False, with error(), when the destination cannot take a document: a folder, a block
    // device, a socket, no permission, a missing folder.
    bool open();
    // Where the document is written between open() and commit(); nullptr before open().
    QIODevice* device() const;
    // Whether a write has failed so far.
    bool failed() const;
    // Delivers the document; false, with error(), when a write or the delivery failed, or when
    // stop was raised before the document took its place, and then an older file is as it was.
    bool commit(const LoadStop* stop = nullptr);
    // A committed spool, readable by this name while the object lives; empty otherwise.
    QString spoolPath() const;
    // The first failure, naming the destination and the reason.
    QString error() const;

private:
    enum class Kind
    {
        File,
        Stream,
        Spool
    };
    class CheckedWrites;
    enum class Failing
    {
        Destination,
        Spool
    };
    bool openSpool();
    bool sendSpool();
    QString message(const QString& reason, Failing where) const;
    bool fail(const QString& reason, Failing where = Failing::Destination);

    QString path_;
    Kind kind_ = Kind::File;
    std::unique_ptr<QSaveFile> file_;
    std::unique_ptr<QFile> spool_;
    // Writes to file_ or spool_, so it goes before them.
    std::unique_ptr<CheckedWrites> checked_;
    bool committed_ = false;
    QString error_;
};

} // namespace quenbrook
