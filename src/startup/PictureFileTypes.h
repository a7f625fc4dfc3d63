#pragma once

#include <QString>
#include <QStringList>

namespace quenbrook {

// The picture extensions the program reads, lower case without the dot, in their fixed order.
const QStringList& PictureFileTypes();

// The wildcard pattern of the Album Viewer's and Album Printer's file lists. It names nine of the
// types: ".jpe" and ".jfif" files open from the file manager and can be dropped, but are not
// listed.
inline constexpr char16_t FileListPattern[] =
    u"*.bmp;*.gif;*.jpg;*.ico;*.cur;*.wmf;*.rle;*.jpeg;*.emf";

// True when the path ends in one of the picture extensions, in any letter case. Only the end of
// the text counts; the file need not exist.
bool IsPictureFile(const QString& path);

} // namespace quenbrook
