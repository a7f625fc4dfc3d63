// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/geometry/FilePaneRules.h"

#include "core/program/PictureFileTypes.h"

#include <QMimeData>
#include <QUrl>

#include <utility>

namespace quenbrook {

QString FilterPattern(FilterButtons pressed)
{
    const std::pair<bool, FilterGroup> buttons[] = {{pressed.Bitmap, FilterGroup::Bitmap},
                                                    {pressed.Gif, FilterGroup::Gif},
                                                    {pressed.Jpeg, FilterGroup::Jpeg},
                                                    {pressed.Icon, FilterGroup::Icon}};
    QStringList patterns;
    for (const auto& [isPressed, group] : buttons) {
        for (const PictureType& type : PictureTypes()) {
            if (isPressed && type.filter == group)
                patterns << QStringLiteral("*.") + QLatin1String(type.extension);
        }
    }
    return patterns.join(QLatin1Char(';'));
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
