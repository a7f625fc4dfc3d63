// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <span>

namespace quenbrook {

// How the files of a picture type are decoded.
enum class PictureDecoder
{
    QtImage,          // Qt's image reader, in the type's Qt format
    QtLargestImage,   // the same, taking the largest of the pictures the file holds
    Jpeg,             // libjpeg-turbo through the program; Qt's reader for CMYK pictures
    Bitmap,           // Qt's "bmp" reader; run-length coded bitmaps are decoded by the program
    WindowsMetafile,  // converted to SVG, so it stays vector
    EnhancedMetafile, // converted to SVG, so it stays vector
    Heif,             // libheif: HEIC and AVIF
};

// The structure of a raster file that is walked once before decoding it: to work out what decoding
// takes, and whether the file is whole (each walk is in pictures/<Format>Format.cpp). Metafiles
// have none; their conversion checks them.
enum class RasterStructure
{
    None,
    Bitmap,
    Gif,
    Jpeg,
    Icon, // icons and cursors
    Png,
    Tiff,
    Webp,
    Heif, // HEIC and AVIF
};

// The filter buttons of the file panes' toolbars, in their order, or not listed in the panes.
enum class FilterGroup
{
    Bitmap,
    Gif,
    Jpeg,
    Icon,
    NotListed,
};

// One picture extension the program reads, and how its files are read and shown.
struct PictureType
{
    const char* extension;  // lower case, without the dot
    const char* formatName; // in messages: "not a readable <formatName>"
    PictureDecoder decoder;
    const char* qtFormat;      // read as this Qt image format whatever the file claims; or ""
    RasterStructure structure; // what is walked before decoding, for its cost and wholeness
    const char* mimeType;      // as the MIME database names the type
    FilterGroup filter;        // the file panes' button that lists the type
    int fileListPlace;         // its place in FileListPattern() from 1; 0 when not listed
    bool albumOnly;            // read by quenbrook-album only, not by the windows
};

// Every picture extension the program reads, in their fixed order: the windows' types, then those
// that only quenbrook-album reads. A new picture type is its rows in PictureFileTypes.cpp, plus
// its decoder when no present one reads it.
std::span<const PictureType> PictureTypes();

// The windows' picture extensions, lower case without the dot, in the fixed order.
const QStringList& PictureFileTypes();

// Every extension quenbrook-album reads: the windows' ones, then its own.
const QStringList& AlbumPictureTypes();

// The type of a picture extension (any letter case, no dot); null for other extensions.
const PictureType* PictureTypeOf(const QString& extension);

// Metafiles are converted to SVG, not decoded to pixels.
bool IsMetafile(const PictureType& type);

// Whether files of the two types hold the same kind of content, read alike (a run-length bitmap is
// a bitmap file, a ".jfif" a JPEG).
bool SameContent(const PictureType& one, const PictureType& other);

// The MIME types of the windows' picture types, each once, in the fixed order.
QStringList PictureMimeTypes();
// The same for another table (the install data's generator takes extra rows).
QStringList PictureMimeTypes(std::span<const PictureType> table);

// The wildcard pattern of the Album Viewer's and Album Printer's file lists,
// "*.bmp;*.gif;*.jpg;*.ico;*.cur;*.wmf;*.rle;*.jpeg;*.emf". It names nine of the types: ".jpe"
// and ".jfif" files open from the file manager and can be dropped, but are not listed.
QString FileListPattern();
QString FileListPattern(std::span<const PictureType> table);

// True when the path ends in one of the picture extensions, in any letter case. Only the end of
// the text counts; the file need not exist.
bool IsPictureFile(const QString& path);

// The same for every type quenbrook-album reads.
bool IsAlbumPictureFile(const QString& path);

// The wildcard pattern of the pictures quenbrook-album takes from a folder: every type it reads,
// ".jpe" and ".jfif" among them.
QString AlbumFolderPattern();

} // namespace quenbrook
