#include "core/startup/HandOffFolder.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quenbrook {

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
    // shared: our folder there must be made by us and stay ours.
    const QString own =
        QDir(QDir::tempPath()).filePath(QStringLiteral("quenbrook-%1").arg(::geteuid()));
    if (::mkdir(QFile::encodeName(own).constData(), 0700) != 0 && errno != EEXIST)
        return {{},
                QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(own),
                                             QString::fromLocal8Bit(std::strerror(errno)))};
    if (const QString problem = PrivateFolderProblem(own); !problem.isEmpty())
        return {{}, QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(own), problem)};
    return {own, {}};
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
