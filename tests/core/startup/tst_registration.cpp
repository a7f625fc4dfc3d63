// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/program/PictureFileTypes.h"
#include "core/startup/CommandLine.h"
#include "core/startup/FreedesktopRegistry.h"
#include "core/startup/OwnMimeTypes.h"
#include "core/startup/RegisterFileTypes.h"
#include "support/Golden.h"
#include "support/MemoryRegistry.h"
#include "support/SettingsSandbox.h"
#include "support/TestData.h"
#include "support/TestMain.h"

#include <QDirIterator>
#include <QMimeDatabase>
#include <QTemporaryDir>
#include <QTest>

using namespace quenbrook;

namespace {

const QString UserMimeApps = "# mine\n[Added Associations]\ntext/plain=vim.desktop;\n\n"
                             "[Default Applications]\ntext/plain=vim.desktop\n";

void write(const QString& path, const QString& text)
{
    QDir().mkpath(QFileInfo(path).path());
    testsupport::savedFile(QDir(), path, text.toUtf8());
}

// Every file under the folder with its bytes, after its time of change if asked.
QMap<QString, QByteArray> filesUnder(const QString& folder, bool times = true)
{
    QMap<QString, QByteArray> files;
    for (QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        QFile file(it.next());
        files[file.fileName()] =
            (times ? it.fileInfo().lastModified().toString(Qt::ISODateWithMs).toUtf8() : "") +
            (file.open(QIODevice::ReadOnly) ? file.readAll() : "?");
    }
    return files;
}

// The type the MIME database gives files of the extension.
QString typeOf(const QString& extension)
{
    const QMimeType type =
        QMimeDatabase().mimeTypeForFile("x." + extension, QMimeDatabase::MatchExtension);
    return type.isDefault() ? QString() : type.name();
}

// A user and a system in a temporary folder. The system's viewer is the default for JPEG, is
// listed for GIF in the desktop database, is the default for the icon type under one of its
// aliases and for cursors in the older defaults.list; BMP is listed only for a program that is not
// installed; the user's default for EMF names a program that is gone. An older release left a type
// of its own for ".jfif", and chose its class's entry as the default of it and of BMP.
struct Desktop
{
    QTemporaryDir root;
    QString data = root.filePath("data"), config = root.filePath("config");
    QString systemData = root.filePath("sys/share"), systemConfig = root.filePath("sys/xdg");

    Desktop()
    {
        const QString ico = typeOf("ico"), apps = systemData + "/applications/",
                      viewer = "=viewer.desktop\n", ours = "=quenbrook-class-quenbrook.desktop;\n";
        const QString iconAlias = QMimeDatabase().mimeTypeForName(ico).aliases().value(0, ico);
        write(apps + "viewer.desktop",
              "[Desktop Entry]\nType=Application\nName=Viewer\nExec=viewer %f\n");
        write(apps + "mimeinfo.cache", "[MIME Cache]\n" + typeOf("gif") + "=viewer.desktop;\n" +
                                           typeOf("bmp") + "=missing.desktop;\n");
        write(apps + "defaults.list", "[Default Applications]\n" + typeOf("cur") + viewer);
        write(systemConfig + "/mimeapps.list",
              "[Default Applications]\n" + typeOf("jpg") + viewer + iconAlias + viewer);
        write(config + "/mimeapps.list", UserMimeApps + typeOf("emf") + "=gone.desktop\n" +
                                             StaleType + ours + typeOf("bmp") + ours);
        write(data + "/mime/packages/quenbrook.xml",
              QString::fromUtf8(OwnMimeTypesText({{"jfif", StaleType}})));
        write(data + "/applications/" + FreedesktopRegistry::ClassDesktopId("Quenbrook"),
              "[Desktop Entry]\nName=Quenbrook\nMimeType=" + StaleType + ";\n");
    }
    FreedesktopRegistry registry() const { return {data, config, {systemData}, {systemConfig}}; }
    void registerTypes() const
    {
        FreedesktopRegistry each = registry();
        each.setIconPicture("<svg/>");
        RegisterFileTypes(each, R"(/opt/Quen brook $1 100% a\b)", "quenbrook");
    }
    static inline const QString StaleType = "application/x-quenbrook-jfif";
};

} // namespace

class tst_Registration : public QObject
{
    Q_OBJECT
private slots:
    // Every key with its value, for a registry where JPEG already has a class of its own; then
    // when a start registers.
    void classRegistry()
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

        testsupport::SettingsSandbox box("Quenbrook");
        const auto stored = [&] { return box.get("Path") + '|' + box.get("V"); };
        // Folder of this start, "V" left by an older release, registers, stored afterwards: the
        // first start stores the folder, the second the version; then moved, letter case counting.
        const std::tuple<const char*, const char*, bool, const char*> starts[] = {
            {"/opt/q", nullptr, true, "/opt/q|"},       {"/opt/q", nullptr, true, "/opt/q|1.4.5"},
            {"/opt/q", nullptr, false, "/opt/q|1.4.5"}, {"/opt/Q", nullptr, true, "/opt/Q|1.4.5"},
            {"/opt/Q", nullptr, false, "/opt/Q|1.4.5"}, {"/opt/Q", "1.4.4", true, "/opt/Q|1.4.5"}};
        for (const auto& [folder, olderV, registers, after] : starts) {
            if (olderV)
                box.put({"V=" + QString(olderV)});
            const QString before = stored();
            QStringList seen; // what the store held while registering
            QCOMPARE(RefreshRegistration(box.store, folder, [&] { seen << stored(); }), registers);
            QCOMPARE(seen, registers ? QStringList{before} : QStringList());
            QCOMPARE(stored(), QString(after));
        }
    }

    // The entries and icon written, as golden text: the verbs cover every type, the class only
    // those no program opens. No default is chosen for any type: the user's list keeps its own
    // lines and loses only the older release's choices of its class.
    void freedesktopEntries()
    {
        // The MIME database takes a package's types from the shared-mime-info namespace.
        QVERIFY(OwnMimeTypesText({{"jfif", "image/x-jfif"}})
                    .contains("<mime-info xmlns=\"http://www.freedesktop.org/standards/"
                              "shared-mime-info\">"));
        Desktop desktop;
        desktop.registerTypes();
        QString dump;
        for (const QString& folder : {desktop.data, desktop.config})
            for (const auto& [path, bytes] : filesUnder(folder, false).asKeyValueRange()) {
                // Of the files update-mime-database makes, only the names.
                const bool made = path.startsWith(desktop.data + "/mime/") &&
                                  !path.startsWith(desktop.data + "/mime/packages/");
                dump += "== " + QDir(desktop.root.path()).relativeFilePath(path) + '\n' +
                        (made ? QString() : QString::fromUtf8(bytes) + '\n');
            }
        QUENBROOK_COMPARE_GOLDEN("startup/freedesktop-entries.txt", dump);

        // A later start reads the same classes back and does not touch a file.
        const auto before = filesUnder(desktop.root.path());
        QStringList classes;
        for (const QString extension : {"RLE", "jfif", "jpe", "xyz-unknown"})
            classes << desktop.registry().GetExtensionClass(extension);
        QCOMPARE(classes, (QStringList{"Quenbrook", typeOf("jpg"), typeOf("jpg"), ""}));
        desktop.registerTypes();
        QCOMPARE(filesUnder(desktop.root.path()), before);
    }

    // An installation's own entries offer both verbs on every type when those that run the
    // program (by TryExec, through a link too) list every type for each switch between them.
    void installedEntriesOffer()
    {
        QTemporaryDir root;
        const QString program = root.filePath("prefix/bin/quenbrook");
        write(program, "#!/bin/sh\n");
        write(root.filePath("prefix/bin/other"), "#!/bin/sh\n");
        QVERIFY(QFile::link(program, root.filePath("link")));
        const QString share = root.filePath("prefix/share");
        const QStringList types = PictureMimeTypes(), last = types.mid(types.size() - 1);
        const auto offers = [&](const QString& which = {}) {
            return FreedesktopRegistry::InstalledEntriesOffer(which.isEmpty() ? program : which,
                                                              {AddSwitch, ViewSwitch},
                                                              {root.filePath("elsewhere"), share});
        };
        // Writes the entry; whether the entries then offer both verbs.
        const auto entry = [&](const QString& name, const QString& exec, const QStringList& listed,
                               const QString& more = {}, const QString& tryExec = {}) {
            write(share + "/applications/" + name,
                  "[Desktop Entry]\nType=Application\nName=" + name +
                      "\nTryExec=" + (tryExec.isEmpty() ? program : tryExec) + "\nExec=" + exec +
                      " %F\nMimeType=" + listed.join(';') + ";\n" + more);
            return offers();
        };
        const QString add = program + " --from-file-manager /AddAlbumPrinterList";
        // No entry adds to the print list, then all types but the last do.
        QVERIFY(!entry("view.desktop",
                       "sh -c \"exec \\\"\\$0\\\" /ViewImage \\\"\\$1\\\"\" " + program, types));
        QVERIFY(!entry("add.desktop", add, types.mid(0, types.size() - 1)));
        // The two add entries share the types between them.
        QVERIFY(entry("add-last.desktop", add, last));
        QVERIFY(offers(root.filePath("link")));
        QVERIFY(!offers(root.filePath("prefix/bin/other")));
        QVERIFY(!FreedesktopRegistry::InstalledEntriesOffer(program, {AddSwitch, ViewSwitch},
                                                            {root.filePath("elsewhere")}));
        QVERIFY(!entry("add-last.desktop", add, last, "Hidden=true\n")); // hidden: offers nothing
        // Its TryExec names the program through the link; then another program's.
        QVERIFY(entry("add-last.desktop", add, last, {}, root.filePath("link")));
        QVERIFY(!entry("add-last.desktop", add, last, {}, "/usr/bin/quenbrook-old"));
    }
};

QUENBROOK_TEST(tst_Registration)
#include "tst_registration.moc"
