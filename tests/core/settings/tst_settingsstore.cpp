// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/platform/OutputFile.h"
#include "core/settings/SettingsStore.h"
#include "support/ProgramRunner.h"
#include "support/TestData.h"
#include "support/TestMain.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

using namespace quenbrook;
using namespace testsupport;

namespace {

const QString App = QStringLiteral("Quenbrook");
// Run as a child: writes "new" to the file named, or says why not.
int writeNew(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    OutputFile output(QString::fromLocal8Bit(argv[2]));
    if (output.open() && output.device()->write("new") == 3 && output.commit())
        return 0;
    std::fputs(qPrintable(output.error()), stderr);
    return 1;
}

// Run as a child: reads and writes a key of the store in the folder named, and prints what it
// read.
int readAndWrite(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    SettingsStore store(QString::fromLocal8Bit(argv[2]));
    const QString read = store.GetSetting(App, "AlbumPrinter", "Scale", "default");
    store.SaveSetting(App, "AlbumPrinter", "Scale", "CM");
    std::fputs(qPrintable(read + '/' + store.GetSetting(App, "AlbumPrinter", "Scale", "default")),
               stdout);
    return 0;
}

} // namespace

class tst_SettingsStore : public QObject
{
    Q_OBJECT
private slots:
    void valuesKeptInThisRunAndTheNext()
    {
        // The user's store is in the configuration folder.
        const QString userFile =
            qEnvironmentVariable("XDG_CONFIG_HOME") + "/Quenbrook/Quenbrook.ini";
        QCOMPARE(SettingsStore().fileName(App), userFile);
        SettingsStore().SaveSetting(App, "Quenbrook", "Start", "AlbumViewer");
        QCOMPARE(SettingsStore().GetSetting(App, "Quenbrook", "Start", "AlbumPrinter"),
                 "AlbumViewer");
        QVERIFY(QFile::exists(userFile));

        QTemporaryDir dir;
        {
            SettingsStore store(dir.path());
            QCOMPARE(store.GetSetting(App, "AlbumPrinter", "PictureSpacingX", 0.1), "0.1");
            store.SaveSetting(App, "AlbumPrinter", "Scale", "Inch");
            store.SaveSetting(App, "AlbumPrinter", "Scale", "CM");
            QCOMPARE(store.GetSetting(App, "AlbumPrinter", "Scale", "Inch"), "CM");
        }
        // A later run, with no store object in between; a key of one section or application is
        // not seen from another, and reading creates nothing.
        QStringList read;
        for (const auto& [app, section] : {std::pair{App, "AlbumPrinter"},
                                           {App, "AlbumViewer"},
                                           {"Other", "AlbumPrinter"},
                                           {QString(), "AlbumPrinter"}})
            read << SettingsStore(dir.path()).GetSetting(app, section, "Scale", "-");
        QCOMPARE(read, (QStringList{"CM", "-", "-", "-"}));
        QCOMPARE(QSettings(SettingsStore(dir.path()).fileName(App), QSettings::IniFormat).allKeys(),
                 QStringList{"AlbumPrinter/Scale"});

        // Texts come back unchanged.
        // clang-format off
        const QStringList texts = {"1,5", "  padded  ", "a=b;c", "[Section]", "#not a comment", "",
            "two\nlines", "back\\slash", "\"quoted\"", "Grüße ✓", "True", "C:\\Photos\\a.jpg"};
        // clang-format on
        {
            SettingsStore store(dir.path());
            for (int i = 0; i < texts.size(); ++i)
                store.SaveSetting(App, "AlbumPrinter", QString("HeaderText%1").arg(i), texts[i]);
        }
        SettingsStore store(dir.path());
        QStringList back;
        for (int i = 0; i < texts.size(); ++i)
            back << store.GetSetting(App, "AlbumPrinter", QString("HeaderText%1").arg(i), "-");
        QCOMPARE(back, texts);

        // A hand-edited file with an unquoted comma still reads as the text written.
        QFile file(store.fileName(App));
        QVERIFY(file.open(QIODevice::Append) && file.write("\n[Edited]\nFontSize=1,5\n") > 0);
        file.close();
        QCOMPARE(SettingsStore(dir.path()).GetSetting(App, "Edited", "FontSize", "0"), "1,5");
    }

    // A store file that is no regular file (a FIFO here) is neither read (a FIFO would wait for a
    // writer) nor replaced: keys read as their defaults, and a message says so once. A link to a
    // regular file is read and written.
    // A file whose folder takes no new file is not written in place, where a failed write would
    // leave it half-written: it is refused and stays as it was. Root may write into any folder,
    // so then another user tries.
    void filesLeftAlone()
    {
        for (const QString kind : {"fifo", "link to a file"}) {
            QTemporaryDir dir;
            const QString file = dir.filePath(App + ".ini");
            if (kind == "fifo")
                QCOMPARE(::mkfifo(QFile::encodeName(file).constData(), 0644), 0);
            if (kind == "link to a file") {
                savedFile(dir.path(), "target.ini", "[AlbumPrinter]\nScale=Inch\n");
                QVERIFY(QFile::link("target.ini", file));
            }
            RunOptions options;
            options.timeoutMs = 20000;
            const ProgramRun run = runProgram(QCoreApplication::applicationFilePath(),
                                              {"--read-and-write", dir.path()}, options);
            // Its exit status, what it read and stored, the messages saying the file is no file,
            // and the file afterwards.
            QCOMPARE(QString::asprintf("%d %s %d link=%d file=%d", run.status, run.out.constData(),
                                       int(run.errText().count("is not a regular file")),
                                       QFileInfo(file).isSymLink(), QFileInfo(file).isFile()),
                     kind == "fifo" ? "0 default/default 1 link=0 file=0"
                                    : "0 Inch/CM 0 link=1 file=1");
        }

        QTemporaryDir dir;
        const QString folder = dir.filePath("kept"), path = folder + "/album.pdf";
        QFile old(path);
        QVERIFY(QDir().mkdir(folder) && old.open(QIODevice::WriteOnly) && old.write("old") == 3);
        old.close();
        RunOptions options;
        if (::geteuid() == 0) {
            const passwd* nobody = ::getpwnam("nobody");
            if (!nobody)
                QSKIP("needs the user nobody to write as another user");
            options.inChild = [uid = nobody->pw_uid, gid = nobody->pw_gid] {
                if (::setgroups(0, nullptr) != 0 || ::setgid(gid) != 0 || ::setuid(uid) != 0)
                    ::_exit(3);
            };
        }
        QVERIFY(::chmod(QFile::encodeName(dir.path()), 0755) == 0 &&
                ::chmod(QFile::encodeName(path), 0666) == 0 &&
                ::chmod(QFile::encodeName(folder), 0555) == 0);
        const ProgramRun run =
            runProgram(QCoreApplication::applicationFilePath(), {"--write-new", path}, options);
        ::chmod(QFile::encodeName(folder), 0755);
        QVERIFY2(run.errText().startsWith("The file " + QDir::toNativeSeparators(path)),
                 run.err.constData());
        QVERIFY(old.open(QIODevice::ReadOnly) && old.readAll() == "old");
    }
};

QUENBROOK_TEST(tst_SettingsStore)
QUENBROOK_TEST_ROLE("--write-new", writeNew)
QUENBROOK_TEST_ROLE("--read-and-write", readAndWrite)
#include "tst_settingsstore.moc"
