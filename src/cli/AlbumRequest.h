// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/album/PaperSize.h"
#include "core/album/PrintJob.h"
#include "core/album/PrintSettings.h"

#include <QPageLayout>
#include <QPageSize>
#include <QString>
#include <QStringList>

#include <any>
#include <map>
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

// A header's or footer's style, with its text for BandStyle::Text.
struct BandChoice
{
    BandStyle Style = BandStyle::None;
    QString Text;
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

    // The settings given, by key: a value of the setting's field; a TypedLength for a length,
    // a BandChoice for a band's style.
    std::map<QString, std::any> Settings;

    std::optional<PaperChoice> Paper; // else the printer's own
    std::optional<QPageLayout::Orientation> Orientation;
    std::optional<PageRange> Pages; // else every page
};

} // namespace quenbrook
