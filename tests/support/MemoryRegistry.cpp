#include "support/MemoryRegistry.h"

namespace quenbrook {
namespace {

QString extensionKey(const QString& extension)
{
    return QLatin1Char('.') + extension.toLower();
}

} // namespace

QString MemoryRegistry::GetExtensionClass(const QString& extension)
{
    return value(extensionKey(extension));
}

void MemoryRegistry::SetExtensionClass(const QString& extension, const QString& className)
{
    setValue(extensionKey(extension), className);
}

void MemoryRegistry::SetClassDescription(const QString& key, const QString& text)
{
    setValue(key, text);
}

void MemoryRegistry::SetClassIcon(const QString& className, const QString& icon)
{
    setValue(className + QStringLiteral("\\DefaultIcon"), icon);
}

void MemoryRegistry::SetVerbCommand(const QString& className, const QString& verb,
                                    const QString& command)
{
    setValue(className + QStringLiteral("\\shell\\") + verb + QStringLiteral("\\command"), command);
}

} // namespace quenbrook
