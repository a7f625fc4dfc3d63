#include "core/program/PictureFileTypes.h"
#include "core/settings/SettingsStore.h"
#include "core/startup/CommandLine.h"
#include "core/startup/DesktopKeyFile.h"
#include "core/startup/FreedesktopRegistry.h"
#include "core/startup/RegisterFileTypes.h"
#include "support/MemoryRegistry.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace quenbrook;

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

QString entryValue(const QString& path, const QString& key)
{
    return UnescapeValue(DesktopKeyFile::load(path).value("Desktop Entry", key));
}

QStringList mimeTypes(const QString& path)
{
    QStringList types = SplitList(entryValue(path, "MimeType"));
    types.sort();
    return types;
}

// A user and a system in a temporary folder. The system's viewer is the default for JPEG, is
// listed for GIF in the desktop database, and is the default for the icon type under one of its
// aliases; BMP is listed only for a program that is not installed; the user's default for EMF
// names a program that is gone.
struct Desktop
{
    QTemporaryDir root;
    QString data = root.filePath("data"), config = root.filePath("config");
    QString systemData = root.filePath("sys/share"), systemConfig = root.filePath("sys/xdg");

    static QString type(const QString& extension)
    {
        const QMimeType type =
            QMimeDatabase().mimeTypeForFile("x." + extension, QMimeDatabase::MatchExtension);
        return type.isDefault() ? "application/x-quenbrook-" + extension : type.name();
    }
    Desktop()
    {
        const QString iconAlias =
            QMimeDatabase().mimeTypeForName(type("ico")).aliases().value(0, type("ico"));
        write(systemData + "/applications/viewer.desktop",
              "[Desktop Entry]\nType=Application\nName=Viewer\nExec=viewer %f\n");
        write(systemData + "/applications/mimeinfo.cache", "[MIME Cache]\n" + type("gif") +
                                                               "=viewer.desktop;\n" + type("bmp") +
                                                               "=missing.desktop;\n");
        write(systemConfig + "/mimeapps.list", "[Default Applications]\n" + type("jpg") +
                                                   "=viewer.desktop\n" + iconAlias +
                                                   "=viewer.desktop\n");
        write(config + "/mimeapps.list", UserMimeApps + type("emf") + "=gone.desktop\n");
    }
    FreedesktopRegistry registry() const { return {data, config, {systemData}, {systemConfig}}; }
    void registerTypes() const
    {
        FreedesktopRegistry each = registry();
        each.setIconPicture("<svg/>");
        RegisterFileTypes(each, R"(/opt/Quen brook $1 100% a\b)", "quenbrook");
    }
    QString entry(const QString& id) const { return data + "/applications/" + id; }
};

} // namespace

class tst_Registration : public QObject
{
    Q_OBJECT
private slots:
    void writesExactlyTheseEntries()
    {
        MemoryRegistry registry;
        registry.setValue(".jpg", "jpegfile");
        registry.setValue("jpegfile\\shell\\open\\command", "viewer \"%1\"");
        registry.setValue(".bmp", ""); // an empty class counts as none
        RegisterFileTypes(registry, "/", "quenbrook");

        QMap<QString, QString> expected{{"jpegfile\\shell\\open\\command", "viewer \"%1\""},
                                        {"Quenbrook", "Quenbrook"},
                                        {"Quenbrook\\DefaultIcon", "quenbrook"}};
        for (const QString& type : PictureFileTypes())
            expected["." + type] = type == "jpg" ? "jpegfile" : "Quenbrook";
        for (const QString className : {"Quenbrook", "jpegfile"}) {
            expected[className + "\\shell\\Add to Album Printer\\command"] =
                R"("/quenbrook" /AddAlbumPrinterList "%1")";
            expected[className + "\\shell\\Album Image Viewer\\command"] =
                R"("/quenbrook" /ViewImage "%1")";
        }
        QCOMPARE(registry.entries(), expected);
        RegisterFileTypes(registry, "/", "quenbrook");
        QCOMPARE(registry.entries(), expected);

        // The executable's own extension stays in the command; the icon is named without it.
        MemoryRegistry other;
        RegisterFileTypes(other, "/home/a/My Programs/", "quen.brook.bin");
        QCOMPARE(other.value("Quenbrook\\shell\\Album Image Viewer\\command"),
                 R"("/home/a/My Programs/quen.brook.bin" /ViewImage "%1")");
        QCOMPARE(other.value("Quenbrook\\DefaultIcon"), "quen.brook");
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

    void verbsCoverEveryTypeAndOnlyUnclaimedAreClaimed()
    {
        Desktop desktop;
        desktop.registerTypes();
        QStringList all;
        for (const QString& extension : PictureFileTypes())
            if (!all.contains(Desktop::type(extension)))
                all << Desktop::type(extension);
        all.sort();
        QStringList unclaimed = all;
        for (const QString extension : {"jpg", "gif", "ico"})
            unclaimed.removeAll(Desktop::type(extension));

        // Exec quoting: blanks need quotes, "$" and "\" a backslash, "%" doubling.
        const QString program = R"("/opt/Quen brook \$1 100%% a\\b/quenbrook")";
        for (const auto& [verb, commandSwitch] :
             {std::pair{AddVerb, "/AddAlbumPrinterList"}, std::pair{ViewVerb, "/ViewImage"}}) {
            const QString path = desktop.entry(FreedesktopRegistry::VerbDesktopId(verb));
            QCOMPARE(entryValue(path, "Name"), verb);
            QCOMPARE(entryValue(path, "Exec"), program + " " + commandSwitch + " %f");
            QCOMPARE(entryValue(path, "NoDisplay"), "true");
            QCOMPARE(mimeTypes(path), all);
        }
        const QString classEntry = desktop.entry(FreedesktopRegistry::ClassDesktopId("Quenbrook"));
        QCOMPARE(entryValue(classEntry, "Name"), "Quenbrook");
        QCOMPARE(entryValue(classEntry, "Icon"), "quenbrook");
        QFile icon(desktop.data + "/icons/hicolor/scalable/apps/quenbrook.svg");
        QVERIFY(icon.open(QIODevice::ReadOnly));
        QCOMPARE(icon.readAll(), "<svg/>");
        QCOMPARE(entryValue(classEntry, "Exec"), program + " /AddAlbumPrinterList %f");
        QCOMPARE(mimeTypes(classEntry), unclaimed);

        // The user's list keeps what it had and gains exactly the unclaimed types.
        const DesktopKeyFile mimeApps = DesktopKeyFile::load(desktop.config + "/mimeapps.list");
        QVERIFY(mimeApps.text().startsWith(UserMimeApps.toUtf8()));
        QCOMPARE(mimeApps.value("Default Applications", "text/plain"), "vim.desktop");
        for (const QString& type : all)
            QCOMPARE(mimeApps.value("Default Applications", type),
                     unclaimed.contains(type) ? "quenbrook-class-quenbrook.desktop;" : "");

        // A later start reads the same classes back and does not touch a file. An extension the
        // MIME database did not know is known by a type of its own.
        const auto before = filesUnder(desktop.root.path());
        if (Desktop::type("jfif").startsWith("application/x-quenbrook-"))
            QVERIFY(before.value(desktop.data + "/mime/globs2").contains("quenbrook-jfif:*.jfif"));
        FreedesktopRegistry later = desktop.registry();
        QCOMPARE(later.GetExtensionClass("RLE"), "Quenbrook");
        QCOMPARE(later.GetExtensionClass("jfif"), "Quenbrook");
        QCOMPARE(later.GetExtensionClass("jpe"), Desktop::type("jpg"));
        QCOMPARE(later.GetExtensionClass("xyz-unknown"), "");
        desktop.registerTypes();
        QCOMPARE(filesUnder(desktop.root.path()), before);
    }

    void entriesPassTheValidator_data()
    {
        QTest::addColumn<QString>("id");
        QTest::newRow("add verb") << FreedesktopRegistry::VerbDesktopId(AddVerb);
        QTest::newRow("view verb") << FreedesktopRegistry::VerbDesktopId(ViewVerb);
        QTest::newRow("class") << FreedesktopRegistry::ClassDesktopId(ProgramClass);
    }
    void entriesPassTheValidator()
    {
        QFETCH(QString, id);
        const QString validator = QStandardPaths::findExecutable("desktop-file-validate");
        if (validator.isEmpty())
            QSKIP("desktop-file-validate is not installed (scripts/install-deps.sh installs it)");
        Desktop desktop;
        desktop.registerTypes();
        QProcess check;
        check.start(validator, {desktop.entry(id)});
        QVERIFY(check.waitForFinished());
        const QByteArray output = check.readAll() + check.readAllStandardError();
        QVERIFY2(check.exitCode() == 0 && !output.contains("error"), output.constData());
    }
};

int main(int argc, char* argv[])
{
    // Nothing here may reach the user's own folders.
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.filePath("data").toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home.filePath("config").toLocal8Bit());
    QCoreApplication app(argc, argv);
    tst_Registration test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_registration.moc"
