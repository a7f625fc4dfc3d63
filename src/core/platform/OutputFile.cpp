// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/platform/OutputFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quenbrook {

// Gathers the writes and passes them on, in chunks, to a file opened unbuffered, keeping the
// first that did not go through whole. A short write is tried again for the rest, so a failure
// comes with the system's reason (a full disk, a file too large).
class OutputFile::CheckedWrites final : public QIODevice
{
public:
    explicit CheckedWrites(QFileDevice& file)
        : file_(file)
    {
        QIODevice::open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }

    bool isSequential() const override { return true; }
    QString failure() const { return failure_; }

    // Writes what is gathered; false when anything written so far did not reach the file.
    bool finish() { return failure_.isEmpty() && drain(); }

protected:
    qint64 readData(char*, qint64) override { return -1; }

    qint64 writeData(const char* data, qint64 size) override
    {
        if (!failure_.isEmpty())
            return -1;
        gathered_.append(data, size);
        if (gathered_.size() >= Chunk && !drain())
            return -1;
        return size;
    }

private:
    static constexpr qsizetype Chunk = 1 << 16;

    bool drain()
    {
        for (qsizetype done = 0; done < gathered_.size();) {
            const qint64 written =
                file_.write(gathered_.constData() + done, gathered_.size() - done);
            if (written <= 0) {
                failure_ = file_.error() != QFileDevice::NoError
                               ? file_.errorString()
                               : QCoreApplication::translate("OutputFile",
                                                             "Nothing more could be written.");
                gathered_.clear();
                return false;
            }
            done += written;
        }
        gathered_.clear();
        return true;
    }

    QFileDevice& file_;
    QByteArray gathered_;
    QString failure_;
};

namespace {

constexpr qint64 CopyChunk = 1 << 20;

QString stoppedText()
{
    return QCoreApplication::translate("OutputFile", "It was stopped before it was complete.");
}

} // namespace

OutputFile::OutputFile(const QString& path)
    : path_(path)
{}

OutputFile::~OutputFile() = default;

QString OutputFile::message(const QString& reason, Failing where) const
{
    QString subject;
    if (where == Failing::Spool || path_.isEmpty())
        subject = QCoreApplication::translate("OutputFile", "The spool file in %1")
                      .arg(QDir::toNativeSeparators(QDir::tempPath()));
    else if (path_ == StandardOutput)
        subject = QCoreApplication::translate("OutputFile", "Standard output");
    else
        subject = QCoreApplication::translate("OutputFile", "The file %1")
                      .arg(QDir::toNativeSeparators(path_));
    return QStringLiteral("%1 cannot be written: %2").arg(subject, reason);
}

bool OutputFile::fail(const QString& reason, Failing where)
{
    if (error_.isEmpty())
        error_ = message(reason, where);
    return false;
}

QString OutputFile::error() const
{
    if (error_.isEmpty() && failed())
        return message(checked_->failure(), file_ ? Failing::Destination : Failing::Spool);
    return error_;
}

bool OutputFile::open()
{
    if (path_.isEmpty()) {
        kind_ = Kind::Spool;
        return openSpool();
    }
    if (path_ == StandardOutput) {
        kind_ = Kind::Stream;
        return openSpool();
    }

    // Through every symbolic link, to what would be written.
    const QByteArray name = QFile::encodeName(path_);
    struct stat target = {};
    const bool exists = ::stat(name.constData(), &target) == 0;
    if (!exists) {
        // A new file, or a link to one still to be made, is for QSaveFile.
        if (errno != ENOENT)
            return fail(qt_error_string(errno));
        kind_ = Kind::File;
    } else if (S_ISDIR(target.st_mode)) {
        return fail(QCoreApplication::translate("OutputFile", "It is a folder."));
    } else if (S_ISREG(target.st_mode)) {
        kind_ = Kind::File;
    } else if (S_ISFIFO(target.st_mode) || S_ISCHR(target.st_mode)) {
        kind_ = Kind::Stream;
    } else {
        return fail(QCoreApplication::translate(
            "OutputFile", "It is neither a file, a FIFO nor a character device."));
    }
    if (exists && ::access(name.constData(), W_OK) != 0)
        return fail(qt_error_string(errno));
    if (kind_ == Kind::Stream)
        return openSpool();

    file_ = std::make_unique<QSaveFile>(path_);
    file_->setDirectWriteFallback(false);
    if (!file_->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        const QString reason = file_->errorString();
        file_.reset();
        return fail(reason);
    }
    checked_ = std::make_unique<CheckedWrites>(*file_);
    return true;
}

bool OutputFile::openSpool()
{
    const QByteArray folder = QFile::encodeName(QDir::tempPath());
    int handle = -1;
#ifdef O_TMPFILE
    handle = ::open(folder.constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
#endif
    if (handle < 0) {
        // A file system without unnamed files: a name that goes at once.
        QByteArray name = folder + "/quenbrook-spool-XXXXXX";
        handle = ::mkostemp(name.data(), O_CLOEXEC);
        if (handle >= 0)
            ::unlink(name.constData());
    }
    if (handle < 0)
        return fail(qt_error_string(errno), Failing::Spool);
    spool_ = std::make_unique<QFile>();
    if (!spool_->open(handle, QIODevice::ReadWrite | QIODevice::Unbuffered,
                      QFileDevice::AutoCloseHandle)) {
        ::close(handle);
        const QString reason = spool_->errorString();
        spool_.reset();
        return fail(reason, Failing::Spool);
    }
    checked_ = std::make_unique<CheckedWrites>(*spool_);
    return true;
}

QIODevice* OutputFile::device() const
{
    return checked_.get();
}

bool OutputFile::failed() const
{
    return checked_ && !checked_->failure().isEmpty();
}

bool OutputFile::commit(const LoadStop* stop)
{
    if (committed_ || !checked_)
        return fail(QCoreApplication::translate("OutputFile", "The document is not open."));
    const bool written = checked_->finish();
    const QString reason = checked_->failure();
    checked_.reset();
    if (file_) {
        // Unless committed, QSaveFile throws its unnamed file away and the older file stays.
        if (!written) {
            file_.reset();
            return fail(reason);
        }
        // On disk before the last look at the stop, so that little is left between it and the
        // rename.
        ::fdatasync(file_->handle());
        if (stopRaised(stop)) {
            file_.reset();
            return fail(stoppedText());
        }
        const bool done = file_->commit();
        const QString notDone = file_->errorString();
        file_.reset();
        return done ? (committed_ = true) : fail(notDone);
    }
    if (!written) {
        spool_.reset();
        return fail(reason, Failing::Spool);
    }
    if (stopRaised(stop)) {
        spool_.reset();
        return fail(stoppedText());
    }
    if (kind_ == Kind::Stream && !sendSpool()) {
        spool_.reset();
        return false;
    }
    committed_ = true;
    return true;
}

bool OutputFile::sendSpool()
{
    QFile out;
    const bool opened =
        path_ == StandardOutput
            ? out.open(STDOUT_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered,
                       QFileDevice::DontCloseHandle)
            : (out.setFileName(path_),
               out.open(QIODevice::WriteOnly | QIODevice::Unbuffered | QIODevice::ExistingOnly));
    if (!opened)
        return fail(out.errorString());
    if (!spool_->seek(0))
        return fail(spool_->errorString(), Failing::Spool);
    while (!spool_->atEnd()) {
        const QByteArray chunk = spool_->read(CopyChunk);
        if (chunk.isEmpty())
            return fail(spool_->errorString(), Failing::Spool);
        if (out.write(chunk) != chunk.size())
            return fail(out.error() != QFileDevice::NoError
                            ? out.errorString()
                            : QCoreApplication::translate("OutputFile",
                                                          "Only part of the data was written."));
    }
    return true;
}

QString OutputFile::spoolPath() const
{
    if (!committed_ || kind_ != Kind::Spool || !spool_)
        return QString();
    return QStringLiteral("/proc/self/fd/%1").arg(spool_->handle());
}

} // namespace quenbrook
