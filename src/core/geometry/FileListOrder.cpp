#include "core/geometry/FileListOrder.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QObject>

#include <algorithm>

namespace quenbrook {

bool IsListableFolder(const QString& folder)
{
    const QDir dir(folder);
    return dir.exists() && dir.isReadable() && QFileInfo(folder).isExecutable();
}

QString FolderUnreadableMessage(const QString& folder)
{
    return QObject::tr("The folder \"%1\" cannot be opened.").arg(QDir::toNativeSeparators(folder));
}

void SortAsFileList(QStringList& names)
{
    // The C locale has no such collation, so it sorts as English there.
    QLocale locale;
    if (locale.language() == QLocale::C)
        locale = QLocale(QLocale::English, QLocale::UnitedStates);
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    std::sort(names.begin(), names.end());
    std::stable_sort(names.begin(), names.end(), [&](const QString& a, const QString& b) {
        return collator.compare(a, b) < 0;
    });
}

QStringList FileListNames(const QString& folder, const QString& pattern)
{
    QDir dir(folder);
    dir.setNameFilters(pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts));
    dir.setFilter(QDir::Files | QDir::NoDotAndDotDot); // letter case ignored, hidden files left out
    QStringList names = dir.entryList();
    SortAsFileList(names);
    return names;
}

} // namespace quenbrook
