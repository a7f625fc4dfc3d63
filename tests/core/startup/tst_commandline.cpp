#include "core/startup/CommandLine.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace quenbrook;

class tst_CommandLine : public QObject
{
    Q_OBJECT

private slots:
    void classifyAndCut_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("path");
        QTest::newRow("empty") << "" << 0 << "";
        QTest::newRow("add, quoted") << "/AddAlbumPrinterList \"/p/a b.jpg\"" << 1 << "/p/a b.jpg";
        QTest::newRow("add, bare") << "/AddAlbumPrinterList /p/a.jpg" << 1 << "/p/a.jpg";
        QTest::newRow("blanks around") << "  /ViewImage   \"/p/a.jpg\"   " << 2 << "/p/a.jpg";
        QTest::newRow("no blank after switch") << "/ViewImage/p/a.jpg" << 2 << "/p/a.jpg";
        QTest::newRow("one quote only") << "/ViewImage \"/p/a.jpg" << 2 << "/p/a.jpg";
        QTest::newRow("quotes inside stay") << "/ViewImage \"\"a\"b\".jpg\"" << 2 << "\"a\"b\".jpg";
        QTest::newRow("switch in the middle") << "junk /ViewImage x.gif" << 2 << "x.gif";
        QTest::newRow("first occurrence")
            << "/ViewImage /ViewImage x.gif" << 2 << "/ViewImage x.gif";
        QTest::newRow("both: add wins")
            << "/ViewImage a.jpg /AddAlbumPrinterList b.jpg" << 1 << "b.jpg";
        QTest::newRow("only blanks are trimmed")
            << "/ViewImage \t/p/a.jpg\n " << 2 << "\t/p/a.jpg\n";
        QTest::newRow("blanks inside the quotes stay")
            << "/ViewImage \" a.jpg \"" << 2 << " a.jpg ";
        QTest::newRow("lower case is no command") << "/viewimage a.jpg" << 0 << "";
    }
    void classifyAndCut()
    {
        QFETCH(QString, text);
        QFETCH(int, type);
        QFETCH(QString, path);
        QCOMPARE(int(GetCommandType(text)), type);
        const QString commandSwitch = type == 1 ? AddSwitch : ViewSwitch;
        QCOMPARE(CommandPath(text, commandSwitch), path);
    }

    // Only a normal, visible file with a picture name passes; a path with blanks survives being
    // joined into one command text.
    void commandFile()
    {
        QTemporaryDir dir;
        const QDir folder(dir.path());
        for (const char* name : {"a b.jpg", ".hidden.jpg", "notes.txt", "Beach.JFIF"}) {
            QFile file(folder.filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QVERIFY(folder.mkdir(QStringLiteral("album.jpg")));

        const auto fileOf = [&](const QStringList& arguments) {
            return CommandFile(CommandLineText(arguments, folder), ViewSwitch);
        };
        const QString spaced = folder.filePath(QStringLiteral("a b.jpg"));
        QCOMPARE(fileOf({ViewSwitch, spaced}), spaced);
        QCOMPARE(fileOf({ViewSwitch, QStringLiteral("a b.jpg")}), spaced); // relative
        QCOMPARE(fileOf({ViewSwitch, folder.filePath(QStringLiteral("Beach.JFIF"))}),
                 folder.filePath(QStringLiteral("Beach.JFIF")));
        for (const char* refused : {".hidden.jpg", "notes.txt", "album.jpg", "missing.jpg"})
            QVERIFY2(fileOf({ViewSwitch, folder.filePath(QString::fromLatin1(refused))}).isEmpty(),
                     refused);
        QVERIFY(fileOf({}).isEmpty());
        QCOMPARE(CommandLineText({}, folder), QString());
        QCOMPARE(CommandLineText({AddSwitch, QString()}, folder), AddSwitch + " \"\"");
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
        QCOMPARE(RefusedFromFileManager(arguments, folder), refused);
    }
};

QTEST_GUILESS_MAIN(tst_CommandLine)
#include "tst_commandline.moc"
