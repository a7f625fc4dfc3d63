// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/startup/MimeApps.h"

#include "core/startup/DesktopKeyFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QMimeDatabase>

#include <algorithm>

namespace quenbrook {
namespace {

const QString DefaultsGroup = QStringLiteral("Default Applications");
const QString AddedGroup = QStringLiteral("Added Associations");
const QString CacheGroup = QStringLiteral("MIME Cache");
const QString EntryGroup = QStringLiteral("Desktop Entry");

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

MimeApps::Default MimeApps::defaultApplication(const QString& mimeType,
                                               const QString& skippedPrefix) const
{
    const QStringList names =
        QStringList{mimeType} + QMimeDatabase().mimeTypeForName(mimeType).aliases();
    for (const QString& group : {DefaultsGroup, AddedGroup}) {
        for (const QString& path : lists()) {
            const DesktopKeyFile file = DesktopKeyFile::load(path);
            for (const QString& name : names)
                for (const QString& id : SplitList(file.value(group, name)))
                    if (isInstalled(id))
                        return {id, group == DefaultsGroup && name == mimeType &&
                                        path.endsWith(QLatin1String("mimeapps.list"))};
        }
    }
    // Without a chosen default, launchers open a type with any application that lists it.
    for (const QString& folder : dataFolders()) {
        const DesktopKeyFile cache =
            DesktopKeyFile::load(folder + QStringLiteral("/applications/mimeinfo.cache"));
        for (const QString& name : names) {
            const QStringList ids =
                SplitList(cache.value(CacheGroup, name)) + listedTypes(folder).value(name);
            for (const QString& id : ids)
                if (!id.startsWith(skippedPrefix) && isInstalled(id))
                    return {id, false};
        }
    }
    return {};
}

void MimeApps::forgetDefaults(const QString& prefix) const
{
    DesktopKeyFile file = DesktopKeyFile::load(userFile());
    bool changed = false;
    for (const QString& type : file.keys(DefaultsGroup)) {
        const QStringList ids = SplitList(file.value(DefaultsGroup, type));
        if (!ids.isEmpty() && std::all_of(ids.cbegin(), ids.cend(),
                                          [&](const QString& id) { return id.startsWith(prefix); }))
            changed = file.removeValue(DefaultsGroup, type) || changed;
    }
    if (changed)
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
                return DesktopKeyFile::load(path).value(EntryGroup, QStringLiteral("Hidden")) !=
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

const QMap<QString, QStringList>& MimeApps::listedTypes(const QString& folder) const
{
    const auto found = listed_.constFind(folder);
    if (found != listed_.cend())
        return *found;
    QMap<QString, QStringList>& types = listed_[folder];
    const QDir applications(folder + QStringLiteral("/applications"));
    for (QDirIterator it(applications.path(), {QStringLiteral("*.desktop")}, QDir::Files,
                         QDirIterator::Subdirectories);
         it.hasNext();) {
        const QString path = it.next();
        QString id = applications.relativeFilePath(path);
        id.replace(QLatin1Char('/'), QLatin1Char('-'));
        const QStringList listed =
            SplitList(DesktopKeyFile::load(path).value(EntryGroup, QStringLiteral("MimeType")));
        for (const QString& type : listed)
            types[type] << id;
    }
    for (QStringList& each : types)
        each.sort();
    return types;
}

} // namespace quenbrook
