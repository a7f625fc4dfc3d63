#include "core/startup/CommandLine.h"
#include "support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace quenbrook;

class tst_CommandLine : public QObject
{
    Q_OBJECT

private slots:
    // How a command line is classified and cut is replayed from fuzz/corpus/fuzz_commandline.

    void commandFile_data()
    {
        QTest::addColumn<QStringList>("arguments"); // "@" stands for the starting folder
        QTest::addColumn<QString>("file");          // in the starting folder; empty: none
        const QString photo = "a folder/my photo.jpg";
        QTest::newRow("absolute, blanks inside") << QStringList{ViewSwitch, "@/" + photo} << photo;
        QTest::newRow("relative") << QStringList{ViewSwitch, photo} << photo;
        QTest::newRow("own quotes") << QStringList{AddSwitch, "\"@/" + photo + '"'} << photo;
        QTest::newRow("own quotes, split in two")
            << QStringList{AddSwitch, "\"@/a folder/my", "photo.jpg\""} << photo;
        QTest::newRow("relative, own quotes")
            << QStringList{ViewSwitch, '"' + photo + '"'} << photo;
        QTest::newRow("letter case of the type")
            << QStringList{ViewSwitch, "Beach.JFIF"} << "Beach.JFIF";
        QTest::newRow("hidden") << QStringList{ViewSwitch, "@/.hidden.jpg"} << "";
        QTest::newRow("not a picture type") << QStringList{ViewSwitch, "@/notes.txt"} << "";
        QTest::newRow("folder") << QStringList{ViewSwitch, "@/album.jpg"} << "";
        QTest::newRow("missing") << QStringList{ViewSwitch, "@/missing.jpg"} << "";
        QTest::newRow("relative, only in the process's folder")
            << QStringList{ViewSwitch, "elsewhere.jpg"} << "";
        QTest::newRow("two files are one path")
            << QStringList{AddSwitch, "Beach.JFIF", "Beach.JFIF"} << "";
        QTest::newRow("no argument") << QStringList() << "";
    }

    // Only a normal, visible file with a picture name passes, whatever the shell did with its
    // blanks and quotes. A relative path means the starting folder, never the folder of the
    // process that reads the command.
    void commandFile()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, file);
        QTemporaryDir start;
        QTemporaryDir elsewhere;
        const QDir folder(start.path());
        QVERIFY(folder.mkpath("a folder") && folder.mkdir("album.jpg"));
        for (const char* name : {"a folder/my photo.jpg", ".hidden.jpg", "notes.txt", "Beach.JFIF"})
            QVERIFY(QFile(folder.filePath(name)).open(QIODevice::WriteOnly));
        QVERIFY(QFile(QDir(elsewhere.path()).filePath("elsewhere.jpg")).open(QIODevice::WriteOnly));
        const QString processFolder = QDir::currentPath();
        QVERIFY(QDir::setCurrent(elsewhere.path()));

        arguments.replaceInStrings("@", start.path());
        const QString text = CommandLineText(arguments, folder);
        const QString& commandSwitch =
            GetCommandType(text) == CommandType::ViewImage ? ViewSwitch : AddSwitch;
        const QString found = CommandFile(text, commandSwitch);
        QVERIFY(QDir::setCurrent(processFolder));
        QCOMPARE(found, file.isEmpty() ? QString() : folder.filePath(file));
    }

    void commandText()
    {
        const QDir folder("/start");
        QCOMPARE(CommandLineText({}, folder), QString());
        QCOMPARE(CommandLineText({AddSwitch, QString()}, folder), AddSwitch + " \"\"");
        QCOMPARE(CommandLineText({"-x", ViewSwitch, "a b.jpg"}, folder),
                 "-x " + ViewSwitch + " \"/start/a b.jpg\"");
        QCOMPARE(CommandLineText({"a b", "c"}, folder), "\"a b\" c");
        // A bare relative path handed over is not looked up in the reader's own folder.
        QTemporaryDir here;
        const QString picture = QDir(here.path()).filePath("here.jpg");
        QVERIFY(QFile(picture).open(QIODevice::WriteOnly));
        const QString processFolder = QDir::currentPath();
        QVERIFY(QDir::setCurrent(here.path()));
        const QString relative = CommandFile(ViewSwitch + " here.jpg", ViewSwitch);
        QVERIFY(QDir::setCurrent(processFolder));
        QCOMPARE(relative, QString());
        QCOMPARE(CommandFile(ViewSwitch + ' ' + picture, ViewSwitch), picture);
    }

    // A start from a file manager's entry that asks to view a file the program does not open is
    // refused before it reaches a running instance; every other command line goes on as before.
    void refusedFromFileManager_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("refused");
        const QString mark = FileManagerMark;
        QTest::newRow("view a picture") << QStringList{mark, ViewSwitch, "a b.jpg"} << false;
        QTest::newRow("view a bitmap of another name")
            << QStringList{mark, ViewSwitch, "old.dib"} << true;
        QTest::newRow("view a missing picture")
            << QStringList{mark, ViewSwitch, "missing.jpg"} << true;
        QTest::newRow("view a hidden picture")
            << QStringList{mark, ViewSwitch, ".hidden.jpg"} << true;
        QTest::newRow("without the mark") << QStringList{ViewSwitch, "old.dib"} << false;
        QTest::newRow("mark not first") << QStringList{ViewSwitch, "old.dib", mark} << false;
        QTest::newRow("add") << QStringList{mark, AddSwitch, "old.dib"} << false;
        QTest::newRow("mark alone") << QStringList{mark} << false;
    }
    void refusedFromFileManager()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, refused);
        QTemporaryDir dir;
        const QDir folder(dir.path());
        for (const char* name : {"a b.jpg", ".hidden.jpg", "old.dib"}) {
            QFile file(folder.filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QCOMPARE(RefusedFromFileManager(CommandLineText(arguments, folder)), refused);
    }

    // Files a file manager passes together are one command each, in the order given; any other
    // command line stays one command, however many words it has.
    void startCommands()
    {
        const QDir folder("/start");
        const QString mark = FileManagerMark;
        QCOMPARE(StartCommands({mark, AddSwitch, "b.jpg", "/p/a b.jpg", "c.gif"}, folder),
                 QStringList({mark + ' ' + AddSwitch + " \"/start/b.jpg\"",
                              mark + ' ' + AddSwitch + " \"/p/a b.jpg\"",
                              mark + ' ' + AddSwitch + " \"/start/c.gif\""}));
        QCOMPARE(StartCommands({mark, ViewSwitch, "a.jpg"}, folder),
                 QStringList{mark + ' ' + ViewSwitch + " \"/start/a.jpg\""});
        QCOMPARE(StartCommands({AddSwitch, "a.jpg", "b.jpg"}, folder),
                 QStringList{CommandLineText({AddSwitch, "a.jpg", "b.jpg"}, folder)});
        QCOMPARE(StartCommands({}, folder), QStringList{QString()});
    }
};

QUENBROOK_TEST(tst_CommandLine)
#include "tst_commandline.moc"
