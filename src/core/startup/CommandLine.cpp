#include "core/startup/CommandLine.h"

#include "core/program/PictureFileTypes.h"

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

} // namespace quenbrook
