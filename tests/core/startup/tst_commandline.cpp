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
        QVERIFY(!lines.isEmpty());
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
        using R = TerminalRequest;
        const std::pair<QStringList, R> starts[] = {
            {{}, R::None},
            {{"--help"}, R::Help},
            {{"-h"}, R::Help},
            {{"--version"}, R::Version},
            {{"photo.jpg", "--version", "--help"}, R::Version},
            {{"--help", "--version"}, R::Help},
            {{"--HELP"}, R::None},
            {{"--help=x"}, R::None},
            {{"-help"}, R::None},
            {{"/ViewImage", "--help"}, R::None},
            {{"--version", "/AddAlbumPrinterList", "a.jpg"}, R::None},
            {{"--help", "x/ViewImage"}, R::None}, // a switch anywhere in the line
            {{"--help", "/viewimage"}, R::Help},  // letter case counts
        };
        for (const auto& [arguments, expected] : starts)
            QVERIFY2(GetTerminalRequest(arguments) == expected, qPrintable(arguments.join(' ')));
    }
};

QUENBROOK_TEST(tst_CommandLine)
#include "tst_commandline.moc"
