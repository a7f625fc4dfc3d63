#include "printer/PrintListRules.h"

#include "startup/PictureFileTypes.h"

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

QStringList DroppedPictureFiles(const QMimeData& data)
{
    QStringList pictures;
    if (!data.hasUrls())
        return pictures;
    for (const QUrl& url : data.urls()) {
        if (!url.isLocalFile())
            continue;
        const QString path = url.toLocalFile();
        if (IsPictureFile(path))
            pictures.append(path);
    }
    return pictures;
}

} // namespace quenbrook
