#include "core/program/PictureFileTypes.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace quenbrook {

namespace {

using D = PictureDecoder;
using S = RasterStructure;
using F = FilterGroup;

// clang-format off
constexpr PictureType Types[] = {
//   ext     in messages                                              decoder              Qt      walked     MIME type                   file panes
    {"bmp",  QT_TRANSLATE_NOOP("PictureLoader", "bitmap"),            D::Bitmap,           "bmp",  S::Bitmap, "image/bmp",                F::Bitmap,    1},
    {"rle",  QT_TRANSLATE_NOOP("PictureLoader", "run-length bitmap"), D::Bitmap,           "bmp",  S::Bitmap, "image/rle",                F::Bitmap,    7},
    {"wmf",  QT_TRANSLATE_NOOP("PictureLoader", "Windows metafile"),  D::WindowsMetafile,  "",     S::None,   "image/wmf",                F::Bitmap,    6},
    {"emf",  QT_TRANSLATE_NOOP("PictureLoader", "enhanced metafile"), D::EnhancedMetafile, "",     S::None,   "image/emf",                F::Bitmap,    9},
    {"gif",  QT_TRANSLATE_NOOP("PictureLoader", "GIF picture"),       D::QtImage,          "gif",  S::Gif,    "image/gif",                F::Gif,       2},
    {"jpg",  QT_TRANSLATE_NOOP("PictureLoader", "JPEG picture"),      D::Jpeg,             "jpeg", S::Jpeg,   "image/jpeg",               F::Jpeg,      3},
    {"jpeg", QT_TRANSLATE_NOOP("PictureLoader", "JPEG picture"),      D::Jpeg,             "jpeg", S::Jpeg,   "image/jpeg",               F::Jpeg,      8},
    {"jpe",  QT_TRANSLATE_NOOP("PictureLoader", "JPEG picture"),      D::Jpeg,             "jpeg", S::Jpeg,   "image/jpeg",               F::NotListed, 0},
    {"jfif", QT_TRANSLATE_NOOP("PictureLoader", "JPEG picture"),      D::Jpeg,             "jpeg", S::Jpeg,   "image/jpeg",               F::NotListed, 0},
    {"ico",  QT_TRANSLATE_NOOP("PictureLoader", "icon"),              D::QtLargestImage,   "ico",  S::Icon,   "image/vnd.microsoft.icon", F::Icon,      4},
    {"cur",  QT_TRANSLATE_NOOP("PictureLoader", "cursor"),            D::QtLargestImage,   "cur",  S::Icon,   "image/x-win-bitmap",       F::Icon,      5},
};
// clang-format on

} // namespace

std::span<const PictureType> PictureTypes()
{
    return Types;
}

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

const PictureType* PictureTypeOf(const QString& extension)
{
    for (const PictureType& type : Types) {
        if (extension.compare(QLatin1String(type.extension), Qt::CaseInsensitive) == 0)
            return &type;
    }
    return nullptr;
}

bool IsMetafile(const PictureType& type)
{
    return type.decoder == PictureDecoder::WindowsMetafile ||
           type.decoder == PictureDecoder::EnhancedMetafile;
}

bool SameContent(const PictureType& one, const PictureType& other)
{
    return one.decoder == other.decoder && std::strcmp(one.qtFormat, other.qtFormat) == 0;
}

QStringList PictureMimeTypes()
{
    return PictureMimeTypes(Types);
}

QStringList PictureMimeTypes(std::span<const PictureType> table)
{
    QStringList types;
    for (const PictureType& type : table) {
        if (!types.contains(QLatin1String(type.mimeType)))
            types << QLatin1String(type.mimeType);
    }
    return types;
}

QString FileListPattern()
{
    static const QString pattern = FileListPattern(Types);
    return pattern;
}

QString FileListPattern(std::span<const PictureType> table)
{
    std::vector<const PictureType*> listed;
    for (const PictureType& type : table) {
        if (type.fileListPlace > 0)
            listed.push_back(&type);
    }
    std::stable_sort(listed.begin(), listed.end(), [](const PictureType* a, const PictureType* b) {
        return a->fileListPlace < b->fileListPlace;
    });
    QStringList patterns;
    for (const PictureType* type : listed)
        patterns << QStringLiteral("*.") + QLatin1String(type->extension);
    return patterns.join(QLatin1Char(';'));
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
