// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/settings/SettingsStore.h"

#include "core/settings/NumberRules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>

#include <cstdio>
#include <mutex>
#include <set>

#include <sys/stat.h>

namespace quenbrook {
namespace {

QString keyPath(const QString& section, const QString& key)
{
    return section + QLatin1Char('/') + key;
}

// Whether the file can be read and replaced as settings are: a regular file, or none yet. A FIFO
// would block the reading and a device or folder is not ours to replace; such a file is left
// alone, which is said once a run.
bool usableFile(const QString& file)
{
    struct stat status = {};
    if (::stat(QFile::encodeName(file).constData(), &status) != 0 || S_ISREG(status.st_mode))
        return true;
    static std::mutex toldLock;
    static std::set<QString> told;
    const std::lock_guard lock(toldLock);
    if (told.insert(file).second)
        std::fprintf(stderr, "%s: %s\n",
                     QCoreApplication::applicationName().toLocal8Bit().constData(),
                     QCoreApplication::translate("SettingsStore",
                                                 "The settings file %1 is not a regular file, so "
                                                 "it is left alone: settings are neither read "
                                                 "from it nor saved.")
                         .arg(QDir::toNativeSeparators(file))
                         .toLocal8Bit()
                         .constData());
    return false;
}

} // namespace

SettingsStore::SettingsStore() = default;

SettingsStore::SettingsStore(const QString& folder)
    : folder_(folder)
{}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::fileName(const QString& application) const
{
    const QString file = application + QLatin1String(".ini");
    if (!folder_.isEmpty())
        return QDir(folder_).filePath(file);
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QLatin1Char('/') + application + QLatin1Char('/') + file;
}

QSettings* SettingsStore::settingsFor(const QString& application) const
{
    if (application_ != application || (!settings_ && !unusable_)) {
        // That one file alone: it is looked at before QSettings reads it.
        const QString file = fileName(application);
        unusable_ = !usableFile(file);
        settings_.reset(unusable_ ? nullptr : new QSettings(file, QSettings::IniFormat));
        application_ = application;
    }
    return settings_.get();
}

QString SettingsStore::GetSetting(const QString& application, const QString& section,
                                  const QString& key, const QString& defaultValue) const
{
    const QSettings* settings = settingsFor(application);
    const QVariant value = settings ? settings->value(keyPath(section, key)) : QVariant();
    if (!value.isValid())
        return defaultValue;
    // An unquoted comma in a hand-edited file reads back as a list; keep the text as written.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

QString SettingsStore::GetSetting(const QString& application, const QString& section,
                                  const QString& key, double defaultValue) const
{
    return GetSetting(application, section, key, NumberText(defaultValue));
}

void SettingsStore::SaveSetting(const QString& application, const QString& section,
                                const QString& key, const QString& value)
{
    QSettings* settings = settingsFor(application);
    if (!settings)
        return;
    settings->setValue(keyPath(section, key), value);
    settings->sync();
}

} // namespace quenbrook
