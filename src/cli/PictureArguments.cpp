#include "cli/PictureArguments.h"

#include "core/geometry/FileListOrder.h"
#include "core/geometry/FilePaneRules.h"
#include "core/program/FileNames.h"
#include "core/program/PictureFileTypes.h"

#include <QFile>

namespace quenbrook {
namespace {

QStringList linesOf(std::FILE* input)
{
    QFile file;
    QStringList lines;
    if (!file.open(input, QIODevice::ReadOnly))
        return lines;
    while (!file.atEnd()) {
        QByteArray line = file.readLine();
        while (line.endsWith('\n') || line.endsWith('\r'))
            line.chop(1);
        if (!line.isEmpty())
            lines << FileNameFromBytes(line);
    }
    return lines;
}

} // namespace

PictureList CollectPictures(const QStringList& arguments, std::FILE* input)
{
    PictureList list;
    for (const QString& argument : arguments) {
        if (argument == QLatin1String("-")) {
            list.Paths << linesOf(input);
            continue;
        }
        if (!FileFactsOf(argument).isFolder) {
            list.Paths << argument;
            continue;
        }
        if (!IsListableFolder(argument)) {
            list.Problem = FolderUnreadableMessage(argument);
            return list;
        }
        for (const QString& name : FileListNames(argument, QString::fromUtf16(FileListPattern)))
            list.Paths << FolderAndFile(argument, name);
    }
    return list;
}

} // namespace quenbrook
