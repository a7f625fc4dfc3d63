// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/startup/HandOffFolder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quenbrook {
namespace {

// Hexadecimal digits of the user's key.
constexpr int KeyLength = 32;

} // namespace

QString PrivateFolderProblem(const QString& path)
{
    struct stat info = {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    if (S_ISLNK(info.st_mode))
        return QStringLiteral("it is a symbolic link");
    if (!S_ISDIR(info.st_mode))
        return QStringLiteral("it is not a folder");
    if (info.st_uid != ::geteuid())
        return QStringLiteral("it belongs to user %1").arg(info.st_uid);
    if ((info.st_mode & 0777) != 0700)
        return QStringLiteral("its mode is %1, not 0700")
            .arg(info.st_mode & 0777, 4, 8, QLatin1Char('0'));
    return {};
}

HandOffFolder ChooseHandOffFolder()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && PrivateFolderProblem(runtime).isEmpty())
        return {runtime, {}};
    // Without a runtime folder of our own (su, sudo, a bare session) the temporary folder is
    // shared, and a folder name anyone can work out could be made by another user first. Ours
    // are named from the user's key, which nobody else can read: of those, the first already
    // ours, else the first that we can make.
    QString problem;
    const QByteArray key = UserKey(problem);
    if (key.isEmpty())
        return {{}, problem};
    QStringList candidates;
    for (int i = 0; i < HandOffFolderCandidates; ++i)
        candidates << QDir(QDir::tempPath())
                          .filePath(QStringLiteral("quenbrook-%1-%2")
                                        .arg(::geteuid())
                                        .arg(QString::fromLatin1(
                                            QCryptographicHash::hash(key + QByteArray::number(i),
                                                                     QCryptographicHash::Sha256)
                                                .toHex()
                                                .left(16))));
    for (const QString& candidate : std::as_const(candidates))
        if (PrivateFolderProblem(candidate).isEmpty())
            return {candidate, {}};
    for (const QString& candidate : std::as_const(candidates)) {
        const QByteArray name = QFile::encodeName(candidate);
        if (::mkdir(name.constData(), 0700) == 0)
            ::chmod(name.constData(), 0700); // whatever the umask
        else if (errno != EEXIST)
            return {{},
                    QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(candidate),
                                                 QString::fromLocal8Bit(std::strerror(errno)))};
        if (PrivateFolderProblem(candidate).isEmpty())
            return {candidate, {}};
    }
    return {{},
            QStringLiteral("%1: every folder of this user's there belongs to another user or is "
                           "open to others")
                .arg(QDir::toNativeSeparators(QDir::tempPath()))};
}

QByteArray UserKey(QString& problem)
{
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (cache.isEmpty()) {
        problem = QStringLiteral("there is no cache folder");
        return {};
    }
    const QString folder = QDir(cache).filePath(QStringLiteral("Quenbrook"));
    const QString path = QDir(folder).filePath(QStringLiteral("handoff-%1.key").arg(::geteuid()));
    const QByteArray file = QFile::encodeName(path);
    const auto failed = [&](const QString& why) {
        problem = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), why);
        return QByteArray();
    };
    QDir().mkpath(folder);
    // Made once; two starts making it at once both take the one linked in place first.
    for (int attempt = 0; attempt < 2; ++attempt) {
        const int fd = ::open(file.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
        if (fd >= 0) {
            struct stat info = {};
            char text[KeyLength + 1] = {};
            const bool read = ::fstat(fd, &info) == 0 && ::read(fd, text, sizeof text) == KeyLength;
            ::close(fd);
            if (!read || !S_ISREG(info.st_mode))
                return failed(QStringLiteral("it is not a key"));
            if (info.st_uid != ::geteuid())
                return failed(QStringLiteral("it belongs to user %1").arg(info.st_uid));
            if ((info.st_mode & 077) != 0)
                return failed(QStringLiteral("others can read it"));
            return QByteArray(text, KeyLength);
        }
        if (errno != ENOENT)
            return failed(QString::fromLocal8Bit(std::strerror(errno)));
        QByteArray made = file + ".XXXXXX";
        const int out = ::mkstemp(made.data());
        if (out < 0)
            return failed(QString::fromLocal8Bit(std::strerror(errno)));
        QByteArray random(KeyLength / 2, Qt::Uninitialized);
        QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(random.data()),
                                              random.size() / sizeof(quint32));
        const QByteArray key = random.toHex();
        const bool written = ::write(out, key.constData(), key.size()) == key.size();
        ::close(out);
        const bool linked = written && ::link(made.constData(), file.constData()) == 0;
        const int error = errno;
        ::unlink(made.constData());
        if (!written || (!linked && error != EEXIST))
            return failed(QString::fromLocal8Bit(std::strerror(written ? error : EIO)));
    }
    return failed(QStringLiteral("it keeps changing"));
}

bool PeerIsThisUser(qintptr socketDescriptor)
{
    ucred peer = {};
    socklen_t size = sizeof peer;
    if (::getsockopt(int(socketDescriptor), SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0 ||
        size != sizeof peer)
        return false;
    return peer.uid == ::geteuid();
}

} // namespace quenbrook
