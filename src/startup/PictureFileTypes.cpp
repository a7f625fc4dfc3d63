#include "startup/PictureFileTypes.h"

namespace quenbrook {

const QStringList& PictureFileTypes()
{
    static const QStringList types = {
        QStringLiteral("bmp"),  QStringLiteral("rle"), QStringLiteral("wmf"),
        QStringLiteral("emf"),  QStringLiteral("gif"), QStringLiteral("jpg"),
        QStringLiteral("jpeg"), QStringLiteral("jpe"), QStringLiteral("jfif"),
        QStringLiteral("ico"),  QStringLiteral("cur")};
    return types;
}

bool IsPictureFile(const QString& path)
{
    const QString lower = path.toLower();
    for (const QString& type : PictureFileTypes()) {
        if (lower.size() >= type.size() + 1 && lower.endsWith(QLatin1Char('.') + type))
            return true;
    }
    return false;
}

} // namespace quenbrook
