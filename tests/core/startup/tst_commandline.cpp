// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/startup/CommandLine.h"
#include "support/Golden.h"
#include "support/TestData.h"
#include "support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace quenbrook;

// How a command line is classified and cut is replayed from fuzz/corpus/fuzz_commandline.
class tst_CommandLine : public QObject
{
    Q_OBJECT
private slots:
    // Command lines as a shell or a file manager passes them, started in a folder "@" and read by
    // a process running elsewhere, against golden text: the text handed over, its command's file,
    // whether a file manager's start is refused, and the commands the start hands over. Only a
    // normal, visible file with a picture name passes, whatever the shell did with its blanks
    // and quotes; a relative path means the starting folder, never the reader's.
    void commandLines()
    {
        QTemporaryDir start, elsewhere;
        const QDir folder(start.path());
        QVERIFY(folder.mkpath("a folder") && folder.mkdir("album.jpg"));
        for (const char* name : {"a folder/my photo.jpg", ".hidden.jpg", "notes.txt", "Beach.JFIF",
                                 "old.dib", "a b.jpg"})
            QVERIFY(QFile(folder.filePath(name)).open(QIODevice::WriteOnly));
        QVERIFY(QFile(QDir(elsewhere.path()).filePath("elsewhere.jpg")).open(QIODevice::WriteOnly));
        // One command line a row, its arguments split at " | ".
        const QStringList lines = testsupport::dataLines("startup/command-lines.txt");
        const QString processFolder = QDir::currentPath();
        QVERIFY(QDir::setCurrent(elsewhere.path()));
        QString dump;
        for (const QString& line : lines) {
            QStringList arguments = line.isEmpty() ? QStringList() : line.split(" | ");
            arguments.replaceInStrings("@", start.path());
            const QString text = CommandLineText(arguments, folder);
            const QString& commandSwitch =
                GetCommandType(text) == CommandType::ViewImage ? ViewSwitch : AddSwitch;
            dump += arguments.join(" | ") + "\n  text: " + text +
                    "\n  file: " + CommandFile(text, commandSwitch) +
                    (RefusedFromFileManager(text) ? "\n  refused from a file manager" : "") +
                    "\n  hands over: " + StartCommands(arguments, folder).join(" ; ") + '\n';
        }
        QVERIFY(QDir::setCurrent(processFolder));
        QUENBROOK_COMPARE_GOLDEN("startup/command-lines.txt", dump.replace(start.path(), "@"));
    }

    // --help and --version as arguments of their own, spelt exactly, when no switch occurs; the
    // first one given counts.
    void terminalRequests()
    {
        // The arguments, then the request: "-" none, "h" help, "v" version. A switch anywhere in
        // the line counts, in its letter case.
        for (const QString row :
             {"-", "--help h", "-h h", "--version v", "photo.jpg --version --help v",
              "--help --version h", "--HELP -", "--help=x -", "-help -", "/ViewImage --help -",
              "--version /AddAlbumPrinterList a.jpg -", "--help x/ViewImage -",
              "--help /viewimage h"}) {
            QStringList arguments = row.split(' ');
            const QString expected = arguments.takeLast();
            QVERIFY2(QString("-hv").mid(int(GetTerminalRequest(arguments)), 1) == expected,
                     qPrintable(row));
        }
    }
};

QUENBROOK_TEST(tst_CommandLine)
#include "tst_commandline.moc"
