// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/geometry/PrintListRules.h"

#include "core/program/PictureFileTypes.h"

#include <QMimeData>
#include <QUrl>

namespace quenbrook {

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
