#include "core/settings/SettingsStore.h"

#include "core/settings/NumberRules.h"

#include <QDir>
#include <QSettings>

namespace quenbrook {
namespace {

QString keyPath(const QString& section, const QString& key)
{
    return section + QLatin1Char('/') + key;
}

} // namespace

SettingsStore::SettingsStore() = default;

SettingsStore::SettingsStore(const QString& folder)
    : folder_(folder)
{}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::fileName(const QString& application) const
{
    return settingsFor(application).fileName();
}

QSettings& SettingsStore::settingsFor(const QString& application) const
{
    if (!settings_ || application_ != application) {
        if (folder_.isEmpty()) {
            settings_ = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                                    application, application);
        } else {
            settings_ = std::make_unique<QSettings>(
                QDir(folder_).filePath(application + QLatin1String(".ini")), QSettings::IniFormat);
        }
        application_ = application;
    }
    return *settings_;
}

QString SettingsStore::GetSetting(const QString& application, const QString& section,
                                  const QString& key, const QString& defaultValue) const
{
    QSettings& settings = settingsFor(application);
    const QVariant value = settings.value(keyPath(section, key));
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
    QSettings& settings = settingsFor(application);
    settings.setValue(keyPath(section, key), value);
    settings.sync();
}

} // namespace quenbrook
