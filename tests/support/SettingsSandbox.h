// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// A per-user settings home of the test's own and the program's store in it.

#include "core/program/PrintSettingsKeys.h"
#include "core/settings/SettingsStore.h"

#include <QDir>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>

namespace testsupport {

class SettingsSandbox
{
public:
    // Entries and keys without a section of their own are in `section`.
    explicit SettingsSandbox(QString section = quenbrook::PrintKeys::Section)
        : section_(std::move(section))
    {}

    // The settings home: a program started with XDG_CONFIG_HOME set to it reads the store.
    QString home() const { return dir_.filePath(QStringLiteral("config")); }
    QString fileName() const { return store.fileName(Application); }
    // A place for the test's own files, beside the settings home.
    QString filePath(const QString& name) const { return dir_.filePath(name); }

    // "Key=value" or "Section/Key=value" entries.
    void put(const QStringList& entries)
    {
        for (const QString& entry : entries) {
            const QString name = entry.section('=', 0, 0);
            store.SaveSetting(Application, name.contains('/') ? name.section('/', 0, 0) : section_,
                              name.section('/', -1), entry.section('=', 1));
        }
    }
    QString get(const QString& key, const QString& section = QString()) const
    {
        return store.GetSetting(Application, section.isEmpty() ? section_ : section, key);
    }
    // Every "Key=value" of a section, as the file holds it.
    QStringList all(const QString& section = QString()) const
    {
        QSettings ini(fileName(), QSettings::IniFormat);
        ini.beginGroup(section.isEmpty() ? section_ : section);
        QStringList out;
        for (const QString& key : ini.allKeys())
            out << key + '=' + ini.value(key).toString();
        return out;
    }

    inline static const QString Application = quenbrook::PrintKeys::Application;

private:
    QString section_;
    QTemporaryDir dir_;

public:
    quenbrook::SettingsStore store{QDir(home()).filePath(Application)};
};

} // namespace testsupport
