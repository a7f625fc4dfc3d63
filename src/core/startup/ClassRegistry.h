// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

namespace quenbrook {

// Where the file manager learns which class a picture extension belongs to and which verbs a
// class offers. Keys are registry-style paths: "." + extension, a class name, class +
// "\DefaultIcon", class + "\shell\" + verb + "\command". Nothing here reports a failure: a key
// that cannot be read reads as empty, one that cannot be written is skipped.
class ClassRegistry
{
public:
    virtual ~ClassRegistry() = default;

    // The class of "." + the lower-cased extension, or "" when it has none.
    virtual QString GetExtensionClass(const QString& extension) = 0;
    virtual void SetExtensionClass(const QString& extension, const QString& className) = 0;
    virtual void SetClassDescription(const QString& key, const QString& text) = 0;
    virtual void SetClassIcon(const QString& className, const QString& icon) = 0;
    virtual void SetVerbCommand(const QString& className, const QString& verb,
                                const QString& command) = 0;
};

} // namespace quenbrook
