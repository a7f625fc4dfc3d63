#include "core/startup/MimeApps.h"

#include "core/startup/DesktopKeyFile.h"

#include <QDir>
#include <QFileInfo>
#include <QMimeDatabase>

namespace quenbrook {
namespace {

const QString DefaultsGroup = QStringLiteral("Default Applications");
const QString AddedGroup = QStringLiteral("Added Associations");
const QString CacheGroup = QStringLiteral("MIME Cache");

} // namespace

MimeApps::MimeApps(QString dataHome, QString configHome, QStringList dataDirs,
                   QStringList configDirs)
    : dataHome_(std::move(dataHome))
    , configHome_(std::move(configHome))
    , dataDirs_(std::move(dataDirs))
    , configDirs_(std::move(configDirs))
{}

QString MimeApps::userFile() const
{
    return QDir(configHome_).filePath(QStringLiteral("mimeapps.list"));
}

QString MimeApps::defaultApplication(const QString& mimeType, const QString& skippedPrefix) const
{
    const QStringList names =
        QStringList{mimeType} + QMimeDatabase().mimeTypeForName(mimeType).aliases();
    for (const QString& path : lists()) {
        const DesktopKeyFile file = DesktopKeyFile::load(path);
        for (const QString& group : {DefaultsGroup, AddedGroup})
            for (const QString& name : names)
                for (const QString& id : SplitList(file.value(group, name)))
                    if (isInstalled(id))
                        return id;
    }
    // Without a chosen default, file managers open a type with any application that lists it.
    for (const QString& folder : dataFolders()) {
        const DesktopKeyFile cache =
            DesktopKeyFile::load(folder + QStringLiteral("/applications/mimeinfo.cache"));
        for (const QString& name : names)
            for (const QString& id : SplitList(cache.value(CacheGroup, name)))
                if (!id.startsWith(skippedPrefix) && isInstalled(id))
                    return id;
    }
    return {};
}

void MimeApps::setDefault(const QString& mimeType, const QString& desktopId) const
{
    DesktopKeyFile file = DesktopKeyFile::load(userFile());
    file.setValue(DefaultsGroup, mimeType, JoinList({desktopId}));
    WriteIfChanged(userFile(), file.text());
}

bool MimeApps::isInstalled(const QString& desktopId) const
{
    // "vendor-name.desktop" may also be "vendor/name.desktop" under an applications folder.
    QStringList names{desktopId};
    QString name = desktopId;
    for (qsizetype dash = name.indexOf(QLatin1Char('-')); dash > 0;
         dash = name.indexOf(QLatin1Char('-'), dash + 1)) {
        name[dash] = QLatin1Char('/');
        names << name;
    }
    for (const QString& folder : dataFolders()) {
        for (const QString& each : names) {
            const QString path = folder + QStringLiteral("/applications/") + each;
            if (QFileInfo(path).isFile())
                return DesktopKeyFile::load(path).value(QStringLiteral("Desktop Entry"),
                                                        QStringLiteral("Hidden")) !=
                       QLatin1String("true");
        }
    }
    return false;
}

QStringList MimeApps::lists() const
{
    QStringList desktops;
    for (const QString& desktop :
         qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(QLatin1Char(':'), Qt::SkipEmptyParts))
        desktops << desktop.toLower() + QStringLiteral("-mimeapps.list");
    desktops << QStringLiteral("mimeapps.list");
    QStringList lists;
    for (const QString& folder : QStringList{configHome_} + configDirs_)
        for (const QString& name : desktops)
            lists << QDir(folder).filePath(name);
    for (const QString& folder : dataFolders()) {
        for (const QString& name : desktops + QStringList{QStringLiteral("defaults.list")})
            lists << QDir(folder).filePath(QStringLiteral("applications/") + name);
    }
    return lists;
}

QStringList MimeApps::dataFolders() const
{
    return QStringList{dataHome_} + dataDirs_;
}

} // namespace quenbrook
