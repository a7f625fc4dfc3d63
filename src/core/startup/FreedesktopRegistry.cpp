#include "core/startup/FreedesktopRegistry.h"

#include "core/startup/DesktopKeyFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace quenbrook {
namespace {

const QString EntryGroup = QStringLiteral("Desktop Entry");
const QString DefaultsGroup = QStringLiteral("Default Applications");
const QString AddedGroup = QStringLiteral("Added Associations");
const QString CacheGroup = QStringLiteral("MIME Cache");
const QString OwnPrefix = QStringLiteral("quenbrook-");
const QString ClassPrefix = QStringLiteral("quenbrook-class-");
const QString ClassKey = QStringLiteral("X-Quenbrook-Class");
const QString VerbKey = QStringLiteral("X-Quenbrook-Verb");
const QString MimeTypeKey = QStringLiteral("MimeType");
const QString MimeNamespace =
    QStringLiteral("http://www.freedesktop.org/standards/shared-mime-info");
// Keys of this program's entries in the order they are written; others follow sorted.
const QStringList EntryKeys = {QStringLiteral("Type"),
                               QStringLiteral("Name"),
                               QStringLiteral("Icon"),
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

// Reserved characters that make an Exec argument need quotes.
bool needsQuotes(const QString& argument)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    if (argument.isEmpty())
        return true;
    for (const QChar c : argument)
        if (reserved.contains(c))
            return true;
    return false;
}

QString execArgument(QString argument)
{
    argument.replace(QLatin1Char('%'), QLatin1String("%%"));
    if (!needsQuotes(argument))
        return argument;
    QString quoted = QStringLiteral("\"");
    for (const QChar c : argument) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
            c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    return quoted + QLatin1Char('"');
}

} // namespace

QString ExecLine(const QString& command)
{
    QStringList arguments;
    QString argument;
    bool inQuotes = false;
    bool started = false;
    for (const QChar c : command) {
        if (c == QLatin1Char('"')) {
            inQuotes = !inQuotes;
            started = true;
        } else if (c.isSpace() && !inQuotes) {
            if (started)
                arguments << argument;
            argument.clear();
            started = false;
        } else {
            argument += c;
            started = true;
        }
    }
    if (started)
        arguments << argument;
    for (QString& each : arguments)
        each = each == QLatin1String("%1") ? QStringLiteral("%f") : execArgument(each);
    return arguments.join(QLatin1Char(' '));
}

FreedesktopRegistry::FreedesktopRegistry()
    : FreedesktopRegistry(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
                          QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
{}

FreedesktopRegistry::FreedesktopRegistry(const QString& dataHome, const QString& configHome,
                                         const QStringList& dataDirs, const QStringList& configDirs)
    : dataHome_(dataHome)
    , configHome_(configHome)
    , dataDirs_(dataDirs)
    , configDirs_(configDirs)
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

QString FreedesktopRegistry::applicationsFolder() const
{
    return QDir(dataHome_).filePath(QStringLiteral("applications"));
}

QString FreedesktopRegistry::mimeAppsFile() const
{
    return QDir(configHome_).filePath(QStringLiteral("mimeapps.list"));
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
    const QString type = MimeTypeOf(extension);
    const QString application = type.isEmpty() ? QString() : defaultApplication(type);
    if (application.isEmpty())
        return {};
    if (application.startsWith(ClassPrefix)) {
        const QString className = UnescapeValue(readEntry(application).value(ClassKey));
        if (!className.isEmpty())
            return className;
    }
    return type;
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
    DesktopKeyFile mimeApps = DesktopKeyFile::load(mimeAppsFile());
    mimeApps.setValue(DefaultsGroup, type, JoinList({ClassDesktopId(className)}));
    WriteIfChanged(mimeAppsFile(), mimeApps.text());
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
    const QString exec = EscapeValue(ExecLine(command));
    QStringList types;
    if (isMimeType(className)) {
        types << className;
    } else if (!className.isEmpty()) {
        // The class opens its files with the first verb registered on it.
        updateClass(className, [&](QMap<QString, QString>& entry) {
            types = SplitList(entry.value(MimeTypeKey));
            if (entry.value(VerbKey).isEmpty())
                entry[VerbKey] = EscapeValue(verb);
            if (UnescapeValue(entry.value(VerbKey)) == verb)
                entry[QStringLiteral("Exec")] = exec;
        });
    }
    const QString id = VerbDesktopId(verb);
    QMap<QString, QString> entry = readEntry(id);
    entry[QStringLiteral("Name")] = EscapeValue(verb);
    entry[QStringLiteral("Exec")] = exec;
    entry[MimeTypeKey] = JoinList(withAdded(SplitList(entry.value(MimeTypeKey)), types));
    saveEntry(id, entry);
    if (applicationsChanged_)
        refreshDesktopDatabase();
}

QString FreedesktopRegistry::MimeTypeOf(const QString& extension) const
{
    const QString lower = extension.toLower();
    const QMap<QString, QString> own = ownMimeTypes();
    if (own.contains(lower))
        return own.value(lower);
    const QMimeType type = QMimeDatabase().mimeTypeForFile(QStringLiteral("x.") + lower,
                                                           QMimeDatabase::MatchExtension);
    return type.isValid() && !type.isDefault() ? type.name() : QString();
}

QString FreedesktopRegistry::defaultApplication(const QString& mimeType) const
{
    const QStringList names =
        QStringList{mimeType} + QMimeDatabase().mimeTypeForName(mimeType).aliases();
    for (const QString& path : mimeAppsLists()) {
        const DesktopKeyFile file = DesktopKeyFile::load(path);
        for (const QString& group : {DefaultsGroup, AddedGroup})
            for (const QString& name : names)
                for (const QString& id : SplitList(file.value(group, name)))
                    if (isInstalled(id))
                        return id;
    }
    // Without a chosen default, file managers open a type with any application that lists it.
    for (const QString& folder : QStringList{dataHome_} + dataDirs_) {
        const DesktopKeyFile cache =
            DesktopKeyFile::load(folder + QStringLiteral("/applications/mimeinfo.cache"));
        for (const QString& name : names)
            for (const QString& id : SplitList(cache.value(CacheGroup, name)))
                if (!id.startsWith(OwnPrefix) && isInstalled(id))
                    return id;
    }
    return {};
}

bool FreedesktopRegistry::isInstalled(const QString& desktopId) const
{
    // "vendor-name.desktop" may also be "vendor/name.desktop" under an applications folder.
    QStringList names{desktopId};
    QString name = desktopId;
    for (qsizetype dash = name.indexOf(QLatin1Char('-')); dash > 0;
         dash = name.indexOf(QLatin1Char('-'), dash + 1)) {
        name[dash] = QLatin1Char('/');
        names << name;
    }
    for (const QString& folder : QStringList{dataHome_} + dataDirs_) {
        for (const QString& each : names) {
            const QString path = folder + QStringLiteral("/applications/") + each;
            if (QFileInfo(path).isFile())
                return DesktopKeyFile::load(path).value(EntryGroup, QStringLiteral("Hidden")) !=
                       QLatin1String("true");
        }
    }
    return false;
}

QStringList FreedesktopRegistry::mimeAppsLists() const
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
    for (const QString& folder : QStringList{dataHome_} + dataDirs_) {
        for (const QString& name : desktops + QStringList{QStringLiteral("defaults.list")})
            lists << QDir(folder).filePath(QStringLiteral("applications/") + name);
    }
    return lists;
}

QMap<QString, QString> FreedesktopRegistry::ownMimeTypes() const
{
    QMap<QString, QString> types;
    QFile file(mimePackageFile());
    if (!file.open(QIODevice::ReadOnly))
        return types;
    QXmlStreamReader xml(&file);
    QString type;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("mime-type"))
            type = xml.attributes().value(QLatin1String("type")).toString();
        const QString pattern = xml.attributes().value(QLatin1String("pattern")).toString();
        if (xml.name() == QLatin1String("glob") && pattern.startsWith(QLatin1String("*.")))
            types.insert(pattern.mid(2).toLower(), type);
    }
    return types;
}

QString FreedesktopRegistry::defineMimeType(const QString& extension)
{
    const QString lower = extension.toLower();
    QMap<QString, QString> types = ownMimeTypes();
    types.insert(lower, QStringLiteral("application/x-quenbrook-") + slug(lower));

    QByteArray text;
    QXmlStreamWriter xml(&text);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeDefaultNamespace(MimeNamespace);
    xml.writeStartElement(MimeNamespace, QStringLiteral("mime-info"));
    for (auto it = types.cbegin(); it != types.cend(); ++it) {
        xml.writeStartElement(MimeNamespace, QStringLiteral("mime-type"));
        xml.writeAttribute(QStringLiteral("type"), it.value());
        xml.writeTextElement(MimeNamespace, QStringLiteral("comment"),
                             it.key().toUpper() + QStringLiteral(" file"));
        xml.writeEmptyElement(MimeNamespace, QStringLiteral("glob"));
        xml.writeAttribute(QStringLiteral("pattern"), QStringLiteral("*.") + it.key());
        xml.writeEndElement();
    }
    xml.writeEndDocument();
    if (WriteIfChanged(mimePackageFile(), text))
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
