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
//  - <config>/mimeapps.list, [Default Applications]: each claimed type names the class entry.
//  - <data>/mime/packages/quenbrook.xml: extensions that the MIME database does not know, each
//    with a type "application/x-quenbrook-<extension>" of its own.
//
// An extension is unclaimed when its type has no default application: none in any mimeapps.list
// or defaults.list of the user and the system (its aliases included, listed applications that are
// not installed skipped), and none in the desktop database (mimeinfo.cache) other than this
// program's own entries.
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
    static QStringList SystemConfigFolders();

    QString applicationsFolder() const;
    QString mimeAppsFile() const;
    QString mimePackageFile() const;
    static QString VerbDesktopId(const QString& verb);
    static QString ClassDesktopId(const QString& className);

    // The MIME type of files with the extension, "" when neither the MIME database nor this
    // program's own types know it.
    QString MimeTypeOf(const QString& extension) const;

private:
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
};

} // namespace quenbrook
