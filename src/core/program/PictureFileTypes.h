#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace quenbrook {

// What a picture file holds, told by its extension.
enum class PictureFormat
{
    Bitmap,
    RunLengthBitmap,
    WindowsMetafile,
    EnhancedMetafile,
    Gif,
    Jpeg,
    Icon,
    Cursor
};

// The picture extensions the program reads, lower case without the dot, in their fixed order.
const QStringList& PictureFileTypes();

// The format of a picture extension (any letter case, no dot); none for other extensions.
std::optional<PictureFormat> PictureFormatOf(const QString& extension);

// The wildcard pattern of the Album Viewer's and Album Printer's file lists. It names nine of the
// types: ".jpe" and ".jfif" files open from the file manager and can be dropped, but are not
// listed.
inline constexpr char16_t FileListPattern[] =
    u"*.bmp;*.gif;*.jpg;*.ico;*.cur;*.wmf;*.rle;*.jpeg;*.emf";

// True when the path ends in one of the picture extensions, in any letter case. Only the end of
// the text counts; the file need not exist.
bool IsPictureFile(const QString& path);

} // namespace quenbrook
