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

QString CommandLineText(const QStringList& arguments, const QDir& currentFolder)
{
    QStringList words;
    for (QString argument : arguments) {
        const QFileInfo relative(argument);
        if (!argument.isEmpty() && relative.isRelative() &&
            QFileInfo(currentFolder, argument).isFile())
            argument = QFileInfo(currentFolder, argument).absoluteFilePath();
        if (argument.isEmpty() || argument.contains(QLatin1Char(' ')))
            argument = QLatin1Char('"') + argument + QLatin1Char('"');
        words << argument;
    }
    return words.join(QLatin1Char(' '));
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
    // Hidden files, folders and missing files all count as no file.
    const QFileInfo file(path);
    if (path.isEmpty() || !file.isFile() || file.isHidden())
        return {};
    if (!IsPictureFile(path))
        return {};
    return path;
}

bool RefusedFromFileManager(const QStringList& arguments, const QDir& currentFolder)
{
    if (arguments.value(0) != FileManagerMark)
        return false;
    const QString text = CommandLineText(arguments, currentFolder);
    return GetCommandType(text) == CommandType::ViewImage &&
           CommandFile(text, ViewSwitch).isEmpty();
}

} // namespace quenbrook
