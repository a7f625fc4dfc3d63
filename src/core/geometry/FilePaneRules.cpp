#include "core/geometry/FilePaneRules.h"

#include <QMimeData>
#include <QUrl>

namespace quenbrook {

QString FilterPattern(FilterButtons pressed)
{
    QString pattern;
    if (pressed.Bitmap)
        pattern += QLatin1String("*.bmp;*.rle;*.wmf;*.emf;");
    if (pressed.Gif)
        pattern += QLatin1String("*.gif;");
    if (pressed.Jpeg)
        pattern += QLatin1String("*.jpg;*.jpeg;");
    if (pressed.Icon)
        pattern += QLatin1String("*.ico;*.cur;");
    if (pattern.endsWith(QLatin1Char(';')))
        pattern.chop(1);
    return pattern;
}

QString FolderAndFile(const QString& folder, const QString& fileName)
{
    if (folder.endsWith(QLatin1Char('/')))
        return folder + fileName;
    return folder + QLatin1Char('/') + fileName;
}

std::unique_ptr<QMimeData> FileDragData(const QString& path)
{
    auto data = std::make_unique<QMimeData>();
    data->setUrls({QUrl::fromLocalFile(path)});
    return data;
}

} // namespace quenbrook
