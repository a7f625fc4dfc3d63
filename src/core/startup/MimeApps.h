#pragma once

#include <QString>
#include <QStringList>

namespace quenbrook {

// Which application opens a MIME type on a freedesktop desktop, and the user's choice of one:
// the mimeapps.list files of the user and the system (desktop-specific ones first), the older
// defaults.list, and the desktop database (mimeinfo.cache) of each data folder.
class MimeApps
{
public:
    MimeApps(QString dataHome, QString configHome, QStringList dataDirs, QStringList configDirs);

    // The user's mimeapps.list, where choices are written.
    QString userFile() const;

    // The desktop entry that opens the type or one of its aliases: the first installed one that a
    // list names as default or added; else one that the desktop database lists, entries whose id
    // starts with `skippedPrefix` left out. "" when none.
    QString defaultApplication(const QString& mimeType, const QString& skippedPrefix) const;
    // Makes the desktop entry the user's default for the type; other lines stay as they were.
    void setDefault(const QString& mimeType, const QString& desktopId) const;

private:
    bool isInstalled(const QString& desktopId) const;
    QStringList lists() const;
    QStringList dataFolders() const;

    QString dataHome_;
    QString configHome_;
    QStringList dataDirs_;
    QStringList configDirs_;
};

} // namespace quenbrook
