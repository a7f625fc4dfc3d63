// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/startup/ClassRegistry.h"

#include <QMap>

namespace quenbrook {

// A class registry kept in memory: every key with its default value, for checking exactly what
// the registration writes.
class MemoryRegistry : public ClassRegistry
{
public:
    QString GetExtensionClass(const QString& extension) override
    {
        return value('.' + extension.toLower());
    }
    void SetExtensionClass(const QString& extension, const QString& className) override
    {
        setValue('.' + extension.toLower(), className);
    }
    void SetClassDescription(const QString& key, const QString& text) override
    {
        setValue(key, text);
    }
    void SetClassIcon(const QString& className, const QString& icon) override
    {
        setValue(className + "\\DefaultIcon", icon);
    }
    void SetVerbCommand(const QString& className, const QString& verb,
                        const QString& command) override
    {
        setValue(className + "\\shell\\" + verb + "\\command", command);
    }

    // The default value of a key; a key written with an empty value exists and reads "".
    void setValue(const QString& key, const QString& value) { values_.insert(key, value); }
    QString value(const QString& key) const { return values_.value(key); }
    const QMap<QString, QString>& entries() const { return values_; }

private:
    QMap<QString, QString> values_;
};

} // namespace quenbrook
