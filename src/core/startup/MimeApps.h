// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QHash>
#include <QMap>
#include <QString>
#include <QStringList>

namespace quenbrook {

// Which application opens a MIME type on a freedesktop desktop, and the user's choice of one:
// the mimeapps.list files of the user and the system (desktop-specific ones first), the older
// defaults.list, and the desktop entries of each data folder (its mimeinfo.cache, then the
// entries themselves, as launchers do when the cache misses one).
class MimeApps
{
public:
    MimeApps(QString dataHome, QString configHome, QStringList dataDirs, QStringList configDirs);

    // The user's mimeapps.list, where choices are written.
    QString userFile() const;

    struct Default
    {
        QString desktopId; // "" when no installed application opens the type
        // True when a mimeapps.list's [Default Applications] line names it for the type itself
        // (not an alias): every launcher honours such a line before any entry that merely lists
        // the type. (xdg-mime reads the older defaults.list only after the user's desktop
        // database.)
        bool chosen = false;
    };
    // The desktop entry that opens the type or one of its aliases: the first installed one that a
    // list names as default or added; else one that a data folder's entries list, those whose id
    // starts with `skippedPrefix` left out.
    Default defaultApplication(const QString& mimeType, const QString& skippedPrefix) const;
    // Takes out of the user's [Default Applications] every line that names only entries whose
    // ids start with the prefix: an older release's choices of its own entries.
    void forgetDefaults(const QString& prefix) const;

private:
    bool isInstalled(const QString& desktopId) const;
    QStringList lists() const;
    QStringList dataFolders() const;
    // Type to the ids of the entries that list it, in one data folder, sorted by id.
    const QMap<QString, QStringList>& listedTypes(const QString& folder) const;

    QString dataHome_;
    QString configHome_;
    QStringList dataDirs_;
    QStringList configDirs_;
    mutable QHash<QString, QMap<QString, QStringList>> listed_;
};

} // namespace quenbrook
