// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/startup/ClassRegistry.h"
#include "core/startup/MimeApps.h"

#include <QMap>
#include <QStringList>

#include <functional>

namespace quenbrook {

// The class registry on a freedesktop desktop. A class is a MIME type; the program's own class is
// a desktop entry of its own. All files live in the user's folders:
//
//  - <data>/applications/quenbrook-<verb>.desktop, one per verb: Name is the verb, Exec runs its
//    command, MimeType lists every type the verb was registered on; NoDisplay keeps it out of the
//    menus while file managers offer it under "Open With".
//  - <data>/applications/quenbrook-class-<class>.desktop, the program's class: its description as
//    Name, its icon, the command of its first verb, and the types it has claimed.
//  - <data>/mime/packages/quenbrook.xml: extensions that the MIME database knows neither by name
//    nor by their content, each with a type "application/x-quenbrook-<extension>" of its own.
//
// An extension's type is what the MIME database gives its files; ".jfif", which it may not know
// by name, is a JPEG by content. An extension is unclaimed when its type has no default
// application: none in any mimeapps.list or defaults.list of the user and the system (its aliases
// included, listed applications that are not installed skipped), and no installed entry other
// than this program's own lists the type.
//
// No program's default is ever chosen here: mimeapps.list gets no [Default Applications] line,
// and the lines an older release wrote for its class's entry are taken out. Every entry carries
// TryExec, so launchers drop the entries once the program is gone, and its Exec starts the
// program with FileManagerMark before the switch.
//
// Writes go through QSaveFile and only when the text changes, so registering twice leaves every
// file as it was. update-desktop-database and update-mime-database run when they are installed.
class FreedesktopRegistry : public ClassRegistry
{
public:
    // The user's folders and the system's, from the freedesktop base directories.
    FreedesktopRegistry();
    FreedesktopRegistry(const QString& dataHome, const QString& configHome,
                        const QStringList& dataDirs = SystemDataFolders(),
                        const QStringList& configDirs = SystemConfigFolders());
    ~FreedesktopRegistry() override;

    // The extension's MIME type when it has a default application; the class name instead when
    // that application is one of this program's classes; "" when unclaimed.
    QString GetExtensionClass(const QString& extension) override;
    void SetExtensionClass(const QString& extension, const QString& className) override;
    // Only the program's own classes are described; other programs' types are left alone.
    void SetClassDescription(const QString& key, const QString& text) override;
    void SetClassIcon(const QString& className, const QString& icon) override;
    // The picture (SVG) that SetClassIcon installs in the user's icon theme under the icon's name,
    // so file managers can show it; none set: only the name is recorded.
    void setIconPicture(const QByteArray& svg) { iconPicture_ = svg; }
    void SetVerbCommand(const QString& className, const QString& verb,
                        const QString& command) override;

    static QStringList SystemDataFolders();
    // True when the desktop entries in the folders' applications folders that run `program` (their
    // TryExec names it) offer each switch for every picture type: an installation whose entries
    // the file manager already offers, so nothing needs writing for the user.
    static bool InstalledEntriesOffer(const QString& program, const QStringList& switches,
                                      const QStringList& dataFolders);
    static QStringList SystemConfigFolders();

    QString applicationsFolder() const;
    QString mimeAppsFile() const;
    QString mimePackageFile() const;
    static QString VerbDesktopId(const QString& verb);
    static QString ClassDesktopId(const QString& className);

    // The MIME type of files with the extension, "" when neither the MIME database nor this
    // program's own types know it.
    QString MimeTypeOf(const QString& extension) const;
    // The type the MIME database gives files of the extension: by their name, or else by their
    // content, which is that of the same picture format's other extensions. "" when it gives none.
    static QString KnownMimeTypeOf(const QString& extension);

private:
    // Drops the types this program defined for extensions the MIME database has come to know,
    // with their lines in the user's mimeapps.list and this program's entries.
    void forgetKnownOwnTypes();
    QString defineMimeType(const QString& extension);
    // A desktop entry of this program's, key to value as written.
    QMap<QString, QString> readEntry(const QString& desktopId) const;
    void saveEntry(const QString& desktopId, const QMap<QString, QString>& values);
    void updateClass(const QString& className,
                     const std::function<void(QMap<QString, QString>&)>& change);
    void refreshDesktopDatabase();

    QString dataHome_;
    MimeApps mimeApps_;
    QByteArray iconPicture_;
    bool applicationsChanged_ = false;
    bool ownTypesChecked_ = false;
};

} // namespace quenbrook
