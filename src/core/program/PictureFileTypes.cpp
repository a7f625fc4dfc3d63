// SPDX-License-Identifier: GPL-2.0-or-later
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
//   ext     in messages                                              decoder              Qt      walked     MIME type                   file panes    album only
    {"bmp",  QT_TRANSLATE_NOOP("PictureLoader", "bitmap"),            D::Bitmap,           "bmp",  S::Bitmap, "image/bmp",                F::Bitmap,    1, false},
    {"rle",  QT_TRANSLATE_NOOP("PictureLoader", "run-length bitmap"), D::Bitmap,           "bmp",  S::Bitmap, "image/rle",                F::Bitmap,    7, false},
    {"wmf",  QT_TRANSLATE_NOOP("PictureLoader", "Windows metafile"),  D::WindowsMetafile,  "",     S::None,   "image/wmf",                F::Bitmap,    6, false},
    {"emf",  QT_TRANSLATE_NOOP("PictureLoader", "enhanced metafile"), D::EnhancedMetafile, "",     S::None,   "image/emf",                F::Bitmap,    9, false},
    {"gif",  QT_TRANSLATE_NOOP("PictureLoader", "GIF picture"),       D::QtImage,          "gif",  S::Gif,    "image/gif",                F::Gif,       2, false},
    {"jpg",  QT_TRANSLATE_NOOP("PictureLoader", "JPEG picture"),      D::Jpeg,             "jpeg", S::Jpeg,   "image/jpeg",               F::Jpeg,      3, false},
    {"jpeg", QT_TRANSLATE_NOOP("PictureLoader", "JPEG picture"),      D::Jpeg,             "jpeg", S::Jpeg,   "image/jpeg",               F::Jpeg,      8, false},
    {"jpe",  QT_TRANSLATE_NOOP("PictureLoader", "JPEG picture"),      D::Jpeg,             "jpeg", S::Jpeg,   "image/jpeg",               F::NotListed, 0, false},
    {"jfif", QT_TRANSLATE_NOOP("PictureLoader", "JPEG picture"),      D::Jpeg,             "jpeg", S::Jpeg,   "image/jpeg",               F::NotListed, 0, false},
    {"ico",  QT_TRANSLATE_NOOP("PictureLoader", "icon"),              D::QtLargestImage,   "ico",  S::Icon,   "image/vnd.microsoft.icon", F::Icon,      4, false},
    {"cur",  QT_TRANSLATE_NOOP("PictureLoader", "cursor"),            D::QtLargestImage,   "cur",  S::Icon,   "image/x-win-bitmap",       F::Icon,      5, false},
    {"png",  QT_TRANSLATE_NOOP("PictureLoader", "PNG picture"),       D::QtImage,          "png",  S::Png,    "image/png",                F::NotListed, 0, true},
    {"tif",  QT_TRANSLATE_NOOP("PictureLoader", "TIFF picture"),      D::QtImage,          "tiff", S::Tiff,   "image/tiff",               F::NotListed, 0, true},
    {"tiff", QT_TRANSLATE_NOOP("PictureLoader", "TIFF picture"),      D::QtImage,          "tiff", S::Tiff,   "image/tiff",               F::NotListed, 0, true},
    {"webp", QT_TRANSLATE_NOOP("PictureLoader", "WebP picture"),      D::QtImage,          "webp", S::Webp,   "image/webp",               F::NotListed, 0, true},
    {"heic", QT_TRANSLATE_NOOP("PictureLoader", "HEIC picture"),      D::Heif,             "",     S::Heif,   "image/heic",               F::NotListed, 0, true},
    {"heif", QT_TRANSLATE_NOOP("PictureLoader", "HEIF picture"),      D::Heif,             "",     S::Heif,   "image/heif",               F::NotListed, 0, true},
    {"avif", QT_TRANSLATE_NOOP("PictureLoader", "AVIF picture"),      D::Heif,             "",     S::Heif,   "image/avif",               F::NotListed, 0, true},
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
        for (const PictureType& type : Types) {
            if (!type.albumOnly)
                list << QLatin1String(type.extension);
        }
        return list;
    }();
    return types;
}

const QStringList& AlbumPictureTypes()
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
        if (!type.albumOnly && !types.contains(QLatin1String(type.mimeType)))
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

namespace {

bool endsInOneOf(const QString& path, const QStringList& extensions)
{
    const QString lower = path.toLower();
    for (const QString& type : extensions) {
        if (lower.size() >= type.size() + 1 && lower.endsWith(QLatin1Char('.') + type))
            return true;
    }
    return false;
}

} // namespace

bool IsPictureFile(const QString& path)
{
    return endsInOneOf(path, PictureFileTypes());
}

bool IsAlbumPictureFile(const QString& path)
{
    return endsInOneOf(path, AlbumPictureTypes());
}

QString AlbumFolderPattern()
{
    static const QString pattern = QStringLiteral("*.") + AlbumPictureTypes().join(u";*.");
    return pattern;
}

} // namespace quenbrook
