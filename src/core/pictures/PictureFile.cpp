// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/pictures/PictureFile.h"

#include "core/program/FileNames.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quenbrook {
namespace {

// Read a piece at a time, so that a stop is noticed between pieces.
constexpr qint64 PieceBytes = 1024 * 1024;

class Descriptor
{
public:
    explicit Descriptor(int fd)
        : fd_(fd)
    {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

PictureFile failed(PictureFile::Outcome outcome, int error = 0)
{
    PictureFile file;
    file.outcome = outcome;
    if (error != 0)
        file.why = QString::fromLocal8Bit(std::strerror(error));
    return file;
}

PictureFile tooLarge(qint64 size)
{
    PictureFile file = failed(PictureFile::Outcome::TooLarge);
    file.size = size;
    return file;
}

} // namespace

PictureFile ReadPictureFile(const QString& path, qint64 limit, const LoadStop* stop)
{
    // Not blocking, so that a FIFO named like a picture cannot hold the open; what is opened is
    // then checked to be a regular file before anything is read.
    const Descriptor fd(
        ::open(FileNameBytes(path).constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (fd.get() < 0)
        return failed(errno == ENOENT || errno == ENOTDIR ? PictureFile::Outcome::NotFound
                                                          : PictureFile::Outcome::CannotRead,
                      errno);
    struct stat st
    {};
    if (::fstat(fd.get(), &st) != 0)
        return failed(PictureFile::Outcome::CannotRead, errno);
    if (!S_ISREG(st.st_mode))
        return failed(PictureFile::Outcome::NotFound);
    if (st.st_size > limit)
        return tooLarge(st.st_size);

    PictureFile file;
    // One more than the limit, to tell a file that grew beyond it.
    file.bytes.resize(qsizetype(std::min<qint64>(st.st_size, limit) + 1));
    qint64 have = 0;
    for (;;) {
        if (stopRaised(stop))
            return failed(PictureFile::Outcome::Stopped);
        if (have == file.bytes.size()) {
            if (have > limit)
                return tooLarge(have);
            file.bytes.resize(qsizetype(std::min<qint64>(have + PieceBytes, limit + 1)));
        }
        const qint64 want = std::min<qint64>(file.bytes.size() - have, PieceBytes);
        const ssize_t got = ::read(fd.get(), file.bytes.data() + have, size_t(want));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return failed(PictureFile::Outcome::CannotRead, errno);
        if (got == 0)
            break;
        have += got;
    }
    if (have > limit)
        return tooLarge(have);
    file.bytes.truncate(qsizetype(have));
    file.outcome = PictureFile::Outcome::Read;
    return file;
}

} // namespace quenbrook
