#include "core/program/PictureFileTypes.h"
#include "core/settings/SettingsStore.h"
#include "core/startup/CommandLine.h"
#include "core/startup/DesktopKeyFile.h"
#include "core/startup/FreedesktopRegistry.h"
#include "core/startup/OwnMimeTypes.h"
#include "core/startup/RegisterFileTypes.h"
#include "support/Golden.h"
#include "support/MemoryRegistry.h"
#include "support/ProgramRunner.h"
#include "support/TestMain.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QMimeDatabase>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace quenbrook;
using namespace testsupport;

namespace {

const QString UserMimeApps = "# mine\n[Added Associations]\ntext/plain=vim.desktop;\n\n"
                             "[Default Applications]\ntext/plain=vim.desktop\n";

void write(const QString& path, const QString& text)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(text.toUtf8());
}

// Every file under the folder with its time of change and its bytes.
QMap<QString, QByteArray> filesUnder(const QString& folder)
{
    QMap<QString, QByteArray> files;
    for (QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        QFile file(it.next());
        files[file.fileName()] = it.fileInfo().lastModified().toString(Qt::ISODateWithMs).toUtf8() +
                                 (file.open(QIODevice::ReadOnly) ? file.readAll() : "?");
    }
    return files;
}

// The type the MIME database gives files of the extension. ".jfif" is a JPEG even where the
// database does not know the name.
QString typeOf(const QString& extension)
{
    if (extension == "jfif")
        return "image/jpeg";
    const QMimeType type =
        QMimeDatabase().mimeTypeForFile("x." + extension, QMimeDatabase::MatchExtension);
    return type.isDefault() ? QString() : type.name();
}

// A user and a system in a temporary folder. The system's viewer is the default for JPEG, is
// listed for GIF in the desktop database, is the default for the icon type under one of its
// aliases and for cursors in the older defaults.list; BMP is listed only for a program that is not
// installed; the user's default for EMF names a program that is gone. An older release left a type
// of its own for ".jfif".
struct Desktop
{
    QTemporaryDir root;
    QString data = root.filePath("data"), config = root.filePath("config");
    QString systemData = root.filePath("sys/share"), systemConfig = root.filePath("sys/xdg");
    QString ownPackage = data + "/mime/packages/quenbrook.xml";

    Desktop()
    {
        const QString iconAlias =
            QMimeDatabase().mimeTypeForName(typeOf("ico")).aliases().value(0, typeOf("ico"));
        write(systemData + "/applications/viewer.desktop",
              "[Desktop Entry]\nType=Application\nName=Viewer\nExec=viewer %f\n");
        write(systemData + "/applications/mimeinfo.cache",
              "[MIME Cache]\n" + typeOf("gif") + "=viewer.desktop;\n" + typeOf("bmp") +
                  "=missing.desktop;\n");
        write(systemData + "/applications/defaults.list",
              "[Default Applications]\n" + typeOf("cur") + "=viewer.desktop\n");
        write(systemConfig + "/mimeapps.list", "[Default Applications]\n" + typeOf("jpg") +
                                                   "=viewer.desktop\n" + iconAlias +
                                                   "=viewer.desktop\n");
        write(config + "/mimeapps.list", UserMimeApps + typeOf("emf") + "=gone.desktop\n" +
                                             StaleType + "=quenbrook-class-quenbrook.desktop;\n");
        write(ownPackage, QString::fromUtf8(OwnMimeTypesText({{"jfif", StaleType}})));
        write(entry(FreedesktopRegistry::ClassDesktopId("Quenbrook")),
              "[Desktop Entry]\nName=Quenbrook\nMimeType=" + StaleType + ";\n");
    }
    FreedesktopRegistry registry() const { return {data, config, {systemData}, {systemConfig}}; }
    void registerTypes() const
    {
        FreedesktopRegistry each = registry();
        each.setIconPicture("<svg/>");
        RegisterFileTypes(each, R"(/opt/Quen brook $1 100% a\b)", "quenbrook");
    }
    QString entry(const QString& id) const { return data + "/applications/" + id; }
    static inline const QString StaleType = "application/x-quenbrook-jfif";
};

// A tool's output with the sandbox's environment, or "" when it cannot run.
QString run(const RunOptions& environment, const QString& program, const QStringList& arguments)
{
    return QString::fromUtf8(runProgram(program, arguments, environment).out).trimmed();
}

} // namespace

class tst_Registration : public QObject
{
    Q_OBJECT
private slots:
    // Every key with its value, for a registry where JPEG already has a class of its own.
    void writesExactlyTheseEntries()
    {
        MemoryRegistry registry;
        registry.setValue(".jpg", "jpegfile");
        registry.setValue("jpegfile\\shell\\open\\command", "viewer \"%1\"");
        registry.setValue(".bmp", ""); // an empty class counts as none
        RegisterFileTypes(registry, "/home/a/My Programs/", "quen.brook.bin");
        const auto entries = registry.entries();
        RegisterFileTypes(registry, "/home/a/My Programs/", "quen.brook.bin");
        QCOMPARE(registry.entries(), entries);
        QString dump;
        for (auto it = entries.cbegin(); it != entries.cend(); ++it)
            dump += it.key() + " = " + it.value() + '\n';
        QUENBROOK_COMPARE_GOLDEN("startup/class-registry.txt", dump);
    }

    void registersWhenFolderOrVersionChanged()
    {
        QTemporaryDir dir;
        SettingsStore store(dir.path());
        auto stored = [&] {
            return store.GetSetting("Quenbrook", "Quenbrook", "Path", "-") + " " +
                   store.GetSetting("Quenbrook", "Quenbrook", "V", "-");
        };
        // folder of this start, "V" left by an older release, registers, stored afterwards
        const std::tuple<const char*, const char*, bool, const char*> starts[] = {
            {"/opt/q", nullptr, true, "/opt/q -"},     // first start: stores the folder
            {"/opt/q", nullptr, true, "/opt/q 1.4.5"}, // second: stores the version
            {"/opt/q", nullptr, false, "/opt/q 1.4.5"},
            {"/opt/Q", nullptr, true, "/opt/Q 1.4.5"}, // moved; letter case counts
            {"/opt/Q", nullptr, false, "/opt/Q 1.4.5"},
            {"/opt/Q", "1.4.4", true, "/opt/Q 1.4.5"},
        };
        for (const auto& [folder, olderV, registers, after] : starts) {
            if (olderV)
                store.SaveSetting("Quenbrook", "Quenbrook", "V", olderV);
            const QString before = stored();
            QStringList seen; // what the store held while registering
            QCOMPARE(RefreshRegistration(store, folder, [&] { seen << stored(); }), registers);
            QCOMPARE(seen, registers ? QStringList{before} : QStringList());
            QCOMPARE(stored(), QString(after));
        }
    }

    // The entries, icon and list of defaults written, as golden text: the verbs cover every type,
    // the class only those no program opens. The user's list keeps what it had, gains the
    // unclaimed types, and writes down the defaults that only the desktop database, an alias or
    // defaults.list gave; the older release's type is gone with its line.
    void freedesktopEntries()
    {
        Desktop desktop;
        desktop.registerTypes();
        QString dump;
        for (const QString& folder : {desktop.data, desktop.config}) {
            QStringList files;
            for (QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
                if (const QString path = it.next(); !path.startsWith(desktop.data + "/mime/"))
                    files << path; // the MIME database's own files left out
            files.sort();
            for (const QString& path : files) {
                QFile file(path);
                QVERIFY(file.open(QIODevice::ReadOnly));
                dump += "== " + QDir(desktop.root.path()).relativeFilePath(path) + '\n' +
                        QString::fromUtf8(file.readAll()) + '\n';
            }
        }
        QUENBROOK_COMPARE_GOLDEN("startup/freedesktop-entries.txt", dump);
        // The entries pass the validator.
        for (const QString& id : {FreedesktopRegistry::VerbDesktopId(AddVerb),
                                  FreedesktopRegistry::VerbDesktopId(ViewVerb),
                                  FreedesktopRegistry::ClassDesktopId(ProgramClass)}) {
            const ProgramRun check = runProgram("desktop-file-validate", {desktop.entry(id)});
            QVERIFY2(check.status == 0 && !(check.out + check.err).contains("error"),
                     qPrintable(id + ": " + check.out + check.err));
        }

        // A later start reads the same classes back and does not touch a file.
        const auto before = filesUnder(desktop.root.path());
        FreedesktopRegistry later = desktop.registry();
        QCOMPARE(later.GetExtensionClass("RLE"), "Quenbrook");
        QCOMPARE(later.GetExtensionClass("jfif"), typeOf("jpg"));
        QCOMPARE(later.GetExtensionClass("jpe"), typeOf("jpg"));
        QCOMPARE(later.GetExtensionClass("xyz-unknown"), "");
        desktop.registerTypes();
        QCOMPARE(filesUnder(desktop.root.path()), before);
    }

    // What xdg-mime and gio answer in a sandboxed desktop whose viewer the user has chosen for
    // JPEG and that the system lists for GIF, BMP and icons: before registering, after it, and
    // once the program is gone, against golden text. Registering again changes no file.
    void desktopToolsSeeTheUsersDefaultsKept()
    {
        const QString xdgMime = QStandardPaths::findExecutable("xdg-mime");
        const QString gio = QStandardPaths::findExecutable("gio");
        const QString mimeFolder = QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                                          "mime", QStandardPaths::LocateDirectory);
        if (xdgMime.isEmpty() || gio.isEmpty() ||
            QStandardPaths::findExecutable("update-desktop-database").isEmpty() ||
            mimeFolder.isEmpty())
            QSKIP("xdg-mime, gio, update-desktop-database or the MIME database is missing "
                  "(scripts/install-deps.sh installs them)");
        QTemporaryDir root;
        const QString data = root.filePath("data"), config = root.filePath("config");
        const QString system = root.filePath("sys"), bin = root.filePath("bin");
        const QString program = bin + "/quenbrook";
        QVERIFY(QDir().mkpath(system + "/applications") && QDir().mkpath(bin));
        QVERIFY(QFile::link(mimeFolder, system + "/mime"));
        for (const QString& path : {bin + "/viewer", program}) {
            write(path, "#!/bin/sh\nexit 0\n");
            QVERIFY(QFile::setPermissions(path,
                                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        }
        write(
            system + "/applications/viewer.desktop",
            "[Desktop Entry]\nType=Application\nName=Viewer\nExec=" + bin +
                "/viewer %f\nMimeType=image/jpeg;image/gif;image/bmp;image/vnd.microsoft.icon;\n");
        runProgram("update-desktop-database", {system + "/applications"});
        write(config + "/mimeapps.list", "[Default Applications]\nimage/jpeg=viewer.desktop\n");
        QFile jfif(root.filePath("photo.jfif"));
        QVERIFY(jfif.open(QIODevice::WriteOnly) && jfif.write("\xff\xd8\xff\xe0\0\x10JFIF\0") > 0);
        jfif.close();

        RunOptions environment;
        environment.environment = QStringList{"HOME=" + root.path(),
                                              "XDG_DATA_HOME=" + data,
                                              "XDG_CONFIG_HOME=" + config,
                                              "XDG_DATA_DIRS=" + system,
                                              "XDG_CONFIG_DIRS=" + root.filePath("xdg"),
                                              "XDG_CACHE_HOME=" + root.filePath("cache"),
                                              "LC_ALL=C.UTF-8"}; // answers compared as English
        environment.unset = QStringList{"XDG_CURRENT_DESKTOP"};
        environment.timeoutMs = 20000;
        RunOptions gnome = environment;
        gnome.environment << "XDG_CURRENT_DESKTOP=GNOME"; // xdg-mime asks gio for a file's type
        QStringList types;
        for (const QString& extension : PictureFileTypes())
            if (!types.contains(typeOf(extension)))
                types << typeOf(extension);
        QString dump;
        const auto ask = [&](const QString& when) {
            dump += "== " + when + '\n';
            for (const QString& type : types)
                dump += type + ": " + run(environment, xdgMime, {"query", "default", type}) +
                        " | " + run(environment, gio, {"mime", type}).replace('\n', " | ") + '\n';
        };
        const auto registerTypes = [&] {
            FreedesktopRegistry registry(data, config, {system}, {root.filePath("xdg")});
            RegisterFileTypes(registry, bin, "quenbrook");
        };
        ask("before");
        registerTypes();
        ask("registered");
        for (const auto& each : {environment, gnome})
            dump +=
                "photo.jfif: " + run(each, xdgMime, {"query", "filetype", jfif.fileName()}) + '\n';
        const auto files = filesUnder(root.path());
        registerTypes();
        QCOMPARE(filesUnder(root.path()), files);
        QVERIFY(QFile::remove(program));
        ask("program removed");
        QUENBROOK_COMPARE_GOLDEN("startup/desktop-tools.txt", dump.replace(root.path(), "@"));
    }
};

QUENBROOK_TEST(tst_Registration)
#include "tst_registration.moc"
