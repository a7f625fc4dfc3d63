// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/startup/CommandLine.h"

#include "core/program/PictureFileTypes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace quenbrook {

CommandType GetCommandType(const QString& text)
{
    if (text.contains(AddSwitch, Qt::CaseSensitive))
        return CommandType::AddToPrintList;
    if (text.contains(ViewSwitch, Qt::CaseSensitive))
        return CommandType::ViewImage;
    return CommandType::None;
}

QString CommandLineText(const QStringList& arguments, const QDir& startFolder)
{
    const auto quoted = [](const QString& text) {
        return QLatin1Char('"') + text + QLatin1Char('"');
    };
    QStringList words;
    for (const QString& argument : arguments) {
        // The shell took its own quotes off, so an argument with a blank is one word and gets them
        // back; one holding a double quote brings the user's own and stays as it came, which
        // joins a quoted path that a shell split at its blanks.
        const bool oneWord = argument.isEmpty() || argument.contains(QLatin1Char(' '));
        words << (oneWord && !argument.contains(QLatin1Char('"')) ? quoted(argument) : argument);
    }
    const QString text = words.join(QLatin1Char(' '));

    const CommandType type = GetCommandType(text);
    if (type == CommandType::None)
        return text;
    const QString& commandSwitch = type == CommandType::AddToPrintList ? AddSwitch : ViewSwitch;
    const QString path = CommandPath(text, commandSwitch);
    if (path.isEmpty() || !QDir::isRelativePath(path))
        return text;
    // The running instance has a folder of its own: a relative path means this start's folder,
    // whether or not the file is there.
    const qsizetype end = text.indexOf(commandSwitch, 0, Qt::CaseSensitive) + commandSwitch.size();
    return text.left(end) + QLatin1Char(' ') + quoted(startFolder.absoluteFilePath(path));
}

QString TrimBlanks(const QString& text)
{
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && text[from] == u' ')
        ++from;
    while (to > from && text[to - 1] == u' ')
        --to;
    return text.sliced(from, to - from);
}

QString CommandPath(const QString& text, const QString& commandSwitch)
{
    const qsizetype at = text.indexOf(commandSwitch, 0, Qt::CaseSensitive);
    if (at < 0)
        return {};
    QString path = TrimBlanks(text.mid(at + commandSwitch.size()));
    if (path.startsWith(QLatin1Char('"')))
        path.remove(0, 1);
    if (path.endsWith(QLatin1Char('"')))
        path.chop(1);
    return path;
}

QString CommandFile(const QString& text, const QString& commandSwitch)
{
    const QString path = CommandPath(text, commandSwitch);
    // Hidden files, folders and missing files all count as no file, and so does a relative path:
    // the folder it meant was the start's, not this process's.
    const QFileInfo file(path);
    if (path.isEmpty() || file.isRelative() || !file.isFile() || file.isHidden())
        return {};
    if (!IsPictureFile(path))
        return {};
    return path;
}

bool RefusedFromFileManager(const QString& text)
{
    return text.startsWith(FileManagerMark + QLatin1Char(' ')) &&
           GetCommandType(text) == CommandType::ViewImage &&
           CommandFile(text, ViewSwitch).isEmpty();
}

QStringList StartCommands(const QStringList& arguments, const QDir& startFolder)
{
    if (arguments.size() <= 3 || arguments.first() != FileManagerMark)
        return {CommandLineText(arguments, startFolder)};
    QStringList commands;
    for (const QString& file : arguments.mid(2))
        commands << CommandLineText({FileManagerMark, arguments.at(1), file}, startFolder);
    return commands;
}

TerminalRequest GetTerminalRequest(const QStringList& arguments)
{
    if (GetCommandType(arguments.join(QLatin1Char(' '))) != CommandType::None)
        return TerminalRequest::None;
    for (const QString& argument : arguments) {
        if (argument == QStringLiteral("--help") || argument == QStringLiteral("-h"))
            return TerminalRequest::Help;
        if (argument == QStringLiteral("--version"))
            return TerminalRequest::Version;
    }
    return TerminalRequest::None;
}

namespace {

// The text in lines of at most 79 characters, broken at blanks, each ended by a line break.
QString wrapped(const QString& text)
{
    QString lines;
    QString line;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!line.isEmpty() && line.size() + 1 + word.size() > 79) {
            lines += line + QLatin1Char('\n');
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    return lines + line + QLatin1Char('\n');
}

} // namespace

QString StartHelpText()
{
    const auto translated = [](const char* text) {
        return QCoreApplication::translate("quenbrook", text);
    };
    const auto line = [](const QString& name, const QString& text) {
        return QStringLiteral("  ") + name.leftJustified(27) + text + QLatin1Char('\n');
    };
    const QString file = translated(QT_TRANSLATE_NOOP("quenbrook", "FILE"));
    // %1: the program, %2 and %3: the switches, %4: "FILE".
    return translated(QT_TRANSLATE_NOOP("quenbrook", "Usage: %1 [%2 %4 | %3 %4]"))
               .arg(QStringLiteral("quenbrook"), AddSwitch, ViewSwitch, file) +
           QStringLiteral("\n\n") +
           wrapped(translated(QT_TRANSLATE_NOOP(
               "quenbrook", "Browses folders of pictures and prints them as album pages. "
                            "Started with no switch, it opens the main window that was closed "
                            "last. One Quenbrook runs at a time: a later start hands its switch "
                            "to the running one and ends."))) +
           QLatin1Char('\n') +
           line(AddSwitch + QLatin1Char(' ') + file,
                translated(QT_TRANSLATE_NOOP("quenbrook",
                                             "Add the file to the Album Printer's print list."))) +
           line(
               ViewSwitch + QLatin1Char(' ') + file,
               translated(QT_TRANSLATE_NOOP("quenbrook", "Open the file in a new Image Viewer."))) +
           line(QStringLiteral("-h, --help"),
                translated(QT_TRANSLATE_NOOP("quenbrook", "Show this help and exit."))) +
           line(QStringLiteral("--version"),
                translated(QT_TRANSLATE_NOOP("quenbrook", "Show the version and exit."))) +
           QLatin1Char('\n') +
           wrapped(translated(QT_TRANSLATE_NOOP(
               "quenbrook", "The switches are written as shown, letter case included; everything "
                            "after a switch names its file. quenbrook-album prints albums from a "
                            "terminal, with no window.")));
}

} // namespace quenbrook
