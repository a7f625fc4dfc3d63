// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/files/FolderListing.h"

#include "core/program/FileNames.h"

#include <QCollator>
#include <QDir>
#include <QLocale>
#include <QObject>
#include <QRegularExpression>

#include <unistd.h>

#include <algorithm>

namespace quenbrook {

bool IsListableFolder(const QString& folder)
{
    return FileFactsOf(folder).isFolder &&
           ::access(FileNameBytes(folder).constData(), R_OK | X_OK) == 0;
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
    // Listed by hand: Qt leaves out names that are not valid UTF-8.
    // The patterns are compiled once for the folder, not once for each name.
    QList<QRegularExpression> filters;
    for (const QString& filter : pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        filters << QRegularExpression::fromWildcard(filter, Qt::CaseInsensitive);
    const auto matches = [&](const QString& shown) {
        return std::any_of(filters.cbegin(), filters.cend(), [&](const QRegularExpression& filter) {
            return filter.match(shown).hasMatch();
        });
    };
    const QString prefix = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    QStringList names;
    for (const QString& name : FolderEntries(folder)) {
        // Letter case ignored, hidden files left out; matched as shown, as Qt's patterns take
        // text that is whole UTF-16.
        if (!name.startsWith(QLatin1Char('.')) && matches(ShownFileName(name)) &&
            FileFactsOf(prefix + name).isFile)
            names << name;
    }
    SortAsFileList(names);
    return names;
}

} // namespace quenbrook
