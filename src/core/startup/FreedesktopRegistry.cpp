// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/startup/FreedesktopRegistry.h"

#include "core/program/PictureFileTypes.h"
#include "core/startup/CommandLine.h"
#include "core/startup/DesktopKeyFile.h"
#include "core/startup/ExecLine.h"
#include "core/startup/OwnMimeTypes.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>

namespace quenbrook {
namespace {

const QString EntryGroup = QStringLiteral("Desktop Entry");
const QString OwnPrefix = QStringLiteral("quenbrook-");
const QString OwnTypePrefix = QStringLiteral("application/x-quenbrook-");
const QString ClassPrefix = QStringLiteral("quenbrook-class-");
const QString ClassKey = QStringLiteral("X-Quenbrook-Class");
const QString VerbKey = QStringLiteral("X-Quenbrook-Verb");
const QString MimeTypeKey = QStringLiteral("MimeType");
// Keys of this program's entries in the order they are written; others follow sorted.
const QStringList EntryKeys = {QStringLiteral("Type"),
                               QStringLiteral("Name"),
                               QStringLiteral("Icon"),
                               QStringLiteral("TryExec"),
                               QStringLiteral("Exec"),
                               MimeTypeKey,
                               QStringLiteral("NoDisplay"),
                               QStringLiteral("Terminal"),
                               ClassKey,
                               VerbKey};

QString slug(const QString& name)
{
    QString id;
    for (const QChar c : name.toLower()) {
        if ((c >= QLatin1Char('a') && c <= QLatin1Char('z')) || c.isDigit())
            id += c;
        else if (!id.isEmpty() && !id.endsWith(QLatin1Char('-')))
            id += QLatin1Char('-');
    }
    while (id.endsWith(QLatin1Char('-')))
        id.chop(1);
    return id;
}

// The type the MIME database gives files of the extension by their name, "" when it gives none
// (or only one that this program once defined).
QString typeByName(const QString& extension)
{
    const QMimeType type = QMimeDatabase().mimeTypeForFile(
        QStringLiteral("x.") + extension.toLower(), QMimeDatabase::MatchExtension);
    if (!type.isValid() || type.isDefault() || type.name().startsWith(OwnTypePrefix))
        return {};
    return type.name();
}

// Whether files of the two extensions hold the same kind of content, so the MIME database tells
// them apart by it alike. A run-length bitmap is a bitmap file.
bool sameContent(const QString& one, const QString& other)
{
    const PictureType* a = PictureTypeOf(one);
    const PictureType* b = PictureTypeOf(other);
    return a && b && SameContent(*a, *b);
}

bool isMimeType(const QString& className)
{
    return className.contains(QLatin1Char('/'));
}

QStringList withAdded(QStringList items, const QStringList& added)
{
    for (const QString& item : added)
        if (!items.contains(item))
            items << item;
    return items;
}

void runTool(const QString& name, const QString& folder)
{
    const QString program = QStandardPaths::findExecutable(name);
    if (program.isEmpty())
        return;
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(program, {folder});
    if (process.waitForStarted() && !process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished();
    }
}

} // namespace

FreedesktopRegistry::FreedesktopRegistry()
    : FreedesktopRegistry(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
                          QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
{}

FreedesktopRegistry::FreedesktopRegistry(const QString& dataHome, const QString& configHome,
                                         const QStringList& dataDirs, const QStringList& configDirs)
    : dataHome_(dataHome)
    , mimeApps_(dataHome, configHome, dataDirs, configDirs)
{}

FreedesktopRegistry::~FreedesktopRegistry()
{
    if (applicationsChanged_)
        refreshDesktopDatabase();
}

QStringList FreedesktopRegistry::SystemDataFolders()
{
    QStringList folders = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    folders.removeAll(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    return folders;
}

QStringList FreedesktopRegistry::SystemConfigFolders()
{
    QStringList folders = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
    folders.removeAll(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    return folders;
}

bool FreedesktopRegistry::InstalledEntriesOffer(const QString& program, const QStringList& switches,
                                                const QStringList& dataFolders)
{
    const QString real = QFileInfo(program).canonicalFilePath();
    if (real.isEmpty())
        return false;
    QMap<QString, QStringList> offered; // switch to the types its entries list
    for (const QString& folder : dataFolders) {
        const QString applications = QDir(folder).filePath(QStringLiteral("applications"));
        for (QDirIterator it(applications, {QStringLiteral("*.desktop")}, QDir::Files,
                             QDirIterator::Subdirectories);
             it.hasNext();) {
            const DesktopKeyFile entry = DesktopKeyFile::load(it.next());
            if (entry.value(EntryGroup, QStringLiteral("Hidden")) == QLatin1String("true") ||
                QFileInfo(UnescapeValue(entry.value(EntryGroup, QStringLiteral("TryExec"))))
                        .canonicalFilePath() != real)
                continue;
            const QString exec = UnescapeValue(entry.value(EntryGroup, QStringLiteral("Exec")));
            for (const QString& commandSwitch : switches)
                if (exec.contains(commandSwitch))
                    offered[commandSwitch] << SplitList(entry.value(EntryGroup, MimeTypeKey));
        }
    }
    for (const QString& commandSwitch : switches)
        for (const QString& type : PictureMimeTypes())
            if (!offered.value(commandSwitch).contains(type))
                return false;
    return true;
}

QString FreedesktopRegistry::applicationsFolder() const
{
    return QDir(dataHome_).filePath(QStringLiteral("applications"));
}

QString FreedesktopRegistry::mimeAppsFile() const
{
    return mimeApps_.userFile();
}

QString FreedesktopRegistry::mimePackageFile() const
{
    return QDir(dataHome_).filePath(QStringLiteral("mime/packages/quenbrook.xml"));
}

QString FreedesktopRegistry::VerbDesktopId(const QString& verb)
{
    return OwnPrefix + slug(verb) + QStringLiteral(".desktop");
}

QString FreedesktopRegistry::ClassDesktopId(const QString& className)
{
    return ClassPrefix + slug(className) + QStringLiteral(".desktop");
}

QString FreedesktopRegistry::GetExtensionClass(const QString& extension)
{
    forgetKnownOwnTypes();
    const QString type = MimeTypeOf(extension);
    if (type.isEmpty())
        return {};
    if (!mimeApps_.defaultApplication(type, OwnPrefix).desktopId.isEmpty())
        return type;
    // No other program opens the type: it is a class's of this program when that class's entry
    // lists it.
    const QStringList classes =
        QDir(applicationsFolder())
            .entryList({ClassPrefix + QStringLiteral("*.desktop")}, QDir::Files, QDir::Name);
    for (const QString& id : classes) {
        const QMap<QString, QString> entry = readEntry(id);
        if (SplitList(entry.value(MimeTypeKey)).contains(type))
            return UnescapeValue(entry.value(ClassKey));
    }
    return {};
}

void FreedesktopRegistry::SetExtensionClass(const QString& extension, const QString& className)
{
    if (isMimeType(className) || className.isEmpty())
        return;
    QString type = MimeTypeOf(extension);
    if (type.isEmpty())
        type = defineMimeType(extension);
    updateClass(className, [&](QMap<QString, QString>& entry) {
        entry[MimeTypeKey] = JoinList(withAdded(SplitList(entry.value(MimeTypeKey)), {type}));
    });
}

void FreedesktopRegistry::SetClassDescription(const QString& key, const QString& text)
{
    if (isMimeType(key) || key.contains(QLatin1Char('\\')) || key.isEmpty())
        return;
    updateClass(key, [&](QMap<QString, QString>& entry) {
        entry[QStringLiteral("Name")] = EscapeValue(text);
    });
}

void FreedesktopRegistry::SetClassIcon(const QString& className, const QString& icon)
{
    if (isMimeType(className) || className.isEmpty())
        return;
    updateClass(className, [&](QMap<QString, QString>& entry) {
        entry[QStringLiteral("Icon")] = EscapeValue(icon);
    });
    if (!iconPicture_.isEmpty() && !icon.contains(QLatin1Char('/')))
        WriteIfChanged(QDir(dataHome_).filePath(QStringLiteral("icons/hicolor/scalable/apps/") +
                                                icon + QStringLiteral(".svg")),
                       iconPicture_);
}

void FreedesktopRegistry::SetVerbCommand(const QString& className, const QString& verb,
                                         const QString& command)
{
    const QString exec = EscapeValue(ExecLine(command, {FileManagerMark}));
    const QString tryExec = EscapeValue(CommandArguments(command).value(0));
    QStringList types;
    if (isMimeType(className)) {
        types << className;
    } else if (!className.isEmpty()) {
        // The class opens its files with the first verb registered on it.
        updateClass(className, [&](QMap<QString, QString>& entry) {
            types = SplitList(entry.value(MimeTypeKey));
            if (entry.value(VerbKey).isEmpty())
                entry[VerbKey] = EscapeValue(verb);
            if (UnescapeValue(entry.value(VerbKey)) == verb) {
                entry[QStringLiteral("Exec")] = exec;
                entry[QStringLiteral("TryExec")] = tryExec;
            }
        });
    }
    const QString id = VerbDesktopId(verb);
    QMap<QString, QString> entry = readEntry(id);
    entry[QStringLiteral("Name")] = EscapeValue(verb);
    entry[QStringLiteral("Exec")] = exec;
    entry[QStringLiteral("TryExec")] = tryExec;
    entry[MimeTypeKey] = JoinList(withAdded(SplitList(entry.value(MimeTypeKey)), types));
    saveEntry(id, entry);
    if (applicationsChanged_)
        refreshDesktopDatabase();
}

QString FreedesktopRegistry::MimeTypeOf(const QString& extension) const
{
    if (const QString known = KnownMimeTypeOf(extension); !known.isEmpty())
        return known;
    return ReadOwnMimeTypes(mimePackageFile()).value(extension.toLower());
}

QString FreedesktopRegistry::KnownMimeTypeOf(const QString& extension)
{
    if (const QString type = typeByName(extension); !type.isEmpty())
        return type;
    // A file whose name the database does not know is told by its content, that of the same
    // format's other extensions (".jfif" files are JPEG files).
    for (const QString& other : PictureFileTypes())
        if (sameContent(other, extension))
            if (const QString type = typeByName(other); !type.isEmpty())
                return type;
    return {};
}

void FreedesktopRegistry::forgetKnownOwnTypes()
{
    // The MIME database does not change while the program registers, so once is enough.
    if (ownTypesChecked_)
        return;
    ownTypesChecked_ = true;
    // Older releases chose their class's entry as the default of the types it claimed; no such
    // choice stays behind.
    mimeApps_.forgetDefaults(ClassPrefix);
    QMap<QString, QString> own = ReadOwnMimeTypes(mimePackageFile());
    QStringList forgotten;
    for (auto it = own.begin(); it != own.end();) {
        if (KnownMimeTypeOf(it.key()).isEmpty()) {
            ++it;
        } else {
            forgotten << it.value();
            it = own.erase(it);
        }
    }
    if (forgotten.isEmpty())
        return;
    const bool written = own.isEmpty() ? QFile::remove(mimePackageFile())
                                       : WriteIfChanged(mimePackageFile(), OwnMimeTypesText(own));
    if (written)
        runTool(QStringLiteral("update-mime-database"),
                QDir(dataHome_).filePath(QStringLiteral("mime")));
    const QStringList entries =
        QDir(applicationsFolder())
            .entryList({OwnPrefix + QStringLiteral("*.desktop")}, QDir::Files, QDir::Name);
    for (const QString& id : entries) {
        QMap<QString, QString> entry = readEntry(id);
        QStringList types = SplitList(entry.value(MimeTypeKey));
        for (const QString& type : forgotten)
            types.removeAll(type);
        entry[MimeTypeKey] = JoinList(types);
        saveEntry(id, entry);
    }
}

QString FreedesktopRegistry::defineMimeType(const QString& extension)
{
    const QString lower = extension.toLower();
    QMap<QString, QString> types = ReadOwnMimeTypes(mimePackageFile());
    types.insert(lower, QStringLiteral("application/x-quenbrook-") + slug(lower));
    if (WriteIfChanged(mimePackageFile(), OwnMimeTypesText(types)))
        runTool(QStringLiteral("update-mime-database"),
                QDir(dataHome_).filePath(QStringLiteral("mime")));
    return types.value(lower);
}

QMap<QString, QString> FreedesktopRegistry::readEntry(const QString& desktopId) const
{
    const DesktopKeyFile file =
        DesktopKeyFile::load(QDir(applicationsFolder()).filePath(desktopId));
    QMap<QString, QString> values;
    for (const QString& key : file.keys(EntryGroup))
        values.insert(key, file.value(EntryGroup, key));
    return values;
}

void FreedesktopRegistry::saveEntry(const QString& desktopId, const QMap<QString, QString>& values)
{
    QMap<QString, QString> entry = values;
    entry[QStringLiteral("Type")] = QStringLiteral("Application");
    entry[QStringLiteral("NoDisplay")] = QStringLiteral("true");
    entry[QStringLiteral("Terminal")] = QStringLiteral("false");
    QByteArray text = '[' + EntryGroup.toUtf8() + "]\n";
    auto line = [&](const QString& key) {
        if (!entry.value(key).isEmpty())
            text += (key + QLatin1Char('=') + entry.value(key)).toUtf8() + '\n';
    };
    for (const QString& key : EntryKeys)
        line(key);
    for (auto it = entry.cbegin(); it != entry.cend(); ++it)
        if (!EntryKeys.contains(it.key()))
            line(it.key());
    if (WriteIfChanged(QDir(applicationsFolder()).filePath(desktopId), text))
        applicationsChanged_ = true;
}

void FreedesktopRegistry::updateClass(const QString& className,
                                      const std::function<void(QMap<QString, QString>&)>& change)
{
    const QString id = ClassDesktopId(className);
    QMap<QString, QString> entry = readEntry(id);
    if (entry.value(QStringLiteral("Name")).isEmpty())
        entry[QStringLiteral("Name")] = EscapeValue(className);
    entry[ClassKey] = EscapeValue(className);
    change(entry);
    saveEntry(id, entry);
}

void FreedesktopRegistry::refreshDesktopDatabase()
{
    applicationsChanged_ = false;
    runTool(QStringLiteral("update-desktop-database"), applicationsFolder());
}

} // namespace quenbrook
