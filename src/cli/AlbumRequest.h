#pragma once

#include "core/album/PrintJob.h"
#include "core/album/PrintSettings.h"

#include <QPageLayout>
#include <QPageSize>
#include <QString>
#include <QStringList>

#include <optional>

namespace quenbrook {

// Exit statuses of quenbrook-album.
enum ExitStatus : int
{
    ExitDone = 0,
    ExitFailed = 1, // a picture, the layout, the printer or the output file failed
    ExitUsage = 2,  // the command line is wrong
};

// A length as typed: "2", "2.5in", "6cm", "25mm". Without a unit it is in the album's unit.
struct TypedLength
{
    enum class Unit
    {
        Album,
        Inch,
        Centimetre,
        Millimetre,
    };
    double Value = 0;
    Unit Typed = Unit::Album;
};

// What the command line says of a header or a footer; nothing set keeps the user's setting.
struct BandRequest
{
    std::optional<BandStyle> Style;
    QString Text; // for BandStyle::Text
    std::optional<BandAlignment> Alignment;
};

// One run of quenbrook-album. Every empty choice keeps the user's Album Printer setting.
struct AlbumRequest
{
    QString OutputFile;           // a PDF through "Save as PDF", or
    QString PrinterName;          // a CUPS printer
    QStringList PictureArguments; // files, folders and "-", in order
    bool NulSeparated = false;    // "-" reads paths ended by NUL bytes, not lines
    bool Quiet = false;
    QString Title; // of the document; else the output file's name without extension

    std::optional<PrintUnit> Unit;
    std::optional<TypedLength> CellWidth;
    std::optional<TypedLength> CellHeight;
    std::optional<TypedLength> GapX;
    std::optional<TypedLength> GapY;
    std::optional<TypedLength> LabelGap;
    std::optional<LabelKind> Labels;
    std::optional<LabelPlace> LabelPosition;
    BandRequest Header;
    BandRequest Footer;
    std::optional<bool> Center;

    std::optional<QPageSize> Paper; // else the printer's own
    std::optional<QPageLayout::Orientation> Orientation;
    std::optional<qint32> PictureResolution; // pixels per inch, or PrintSettings::PrinterResolution
    std::optional<PageRange> Pages;          // else every page
};

} // namespace quenbrook
