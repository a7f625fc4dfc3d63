// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

#include <memory>

class QSettings;

namespace quenbrook {

// The per-user store of text values, addressed by application, section and key.
// Each application keeps one INI file (~/.config/<application>/<application>.ini); every write
// reaches the disk before SaveSetting returns and replaces the file whole, so a crash never
// leaves a damaged store. A file there that is not a regular file (a FIFO, a folder, a device) is
// neither read nor written: every key reads as its default, and a message says so.
class SettingsStore
{
public:
    // The user's own store.
    SettingsStore();
    // A store kept in the given folder instead (tests, portable use).
    explicit SettingsStore(const QString& folder);
    ~SettingsStore();

    QString GetSetting(const QString& application, const QString& section, const QString& key,
                       const QString& defaultValue = QString()) const;
    // A numeric default reads as its decimal text.
    QString GetSetting(const QString& application, const QString& section, const QString& key,
                       double defaultValue) const;
    void SaveSetting(const QString& application, const QString& section, const QString& key,
                     const QString& value);

    // Where the application's values are kept.
    QString fileName(const QString& application) const;

private:
    // Nothing when the application's file is not one to read.
    QSettings* settingsFor(const QString& application) const;

    QString folder_; // empty: the user's configuration folder
    mutable std::unique_ptr<QSettings> settings_;
    mutable QString application_;
    mutable bool unusable_ = false;
};

} // namespace quenbrook
