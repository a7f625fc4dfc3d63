#include "core/program/PictureFileTypes.h"

namespace quenbrook {

namespace {

struct PictureType
{
    const char* extension;
    PictureFormat format;
};

constexpr PictureType Types[] = {{"bmp", PictureFormat::Bitmap},
                                 {"rle", PictureFormat::RunLengthBitmap},
                                 {"wmf", PictureFormat::WindowsMetafile},
                                 {"emf", PictureFormat::EnhancedMetafile},
                                 {"gif", PictureFormat::Gif},
                                 {"jpg", PictureFormat::Jpeg},
                                 {"jpeg", PictureFormat::Jpeg},
                                 {"jpe", PictureFormat::Jpeg},
                                 {"jfif", PictureFormat::Jpeg},
                                 {"ico", PictureFormat::Icon},
                                 {"cur", PictureFormat::Cursor}};

} // namespace

const QStringList& PictureFileTypes()
{
    static const QStringList types = [] {
        QStringList list;
        for (const PictureType& type : Types)
            list << QLatin1String(type.extension);
        return list;
    }();
    return types;
}

std::optional<PictureFormat> PictureFormatOf(const QString& extension)
{
    for (const PictureType& type : Types) {
        if (extension.compare(QLatin1String(type.extension), Qt::CaseInsensitive) == 0)
            return type.format;
    }
    return std::nullopt;
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
