// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/pictures/BitmapHeader.h"
#include "core/pictures/MetafileToSvg.h"

#include <QRectF>

#include <locale.h>
#include <mutex>
#include <optional>

// What the Windows and enhanced metafile conversions have in common.
namespace quenbrook::MetafileToSvg {

// SVG text beyond this is cut off and the conversion refused: the SVG renderer holds some ten
// times the text's size, and takes its time over every element.
inline constexpr qsizetype MaxSvgBytes = 4LL * 1024 * 1024;

// What a metafile may hold before a converter sees it; the converters' time and memory grow with
// the records, the objects made, and (for libwmf, faster than the count) nested saved states.
inline constexpr qint64 MaxRecords = 50'000;
inline constexpr qint64 MaxPoints = 200'000; // of lines, polygons and curves
inline constexpr qint64 MaxObjectsMade = 20'000;
inline constexpr qint64 MaxSavedStates = 1'000;

// Counts a metafile's records as its structure is walked.
class RecordBudget
{
public:
    // Each false once beyond the limits; failure() then says which.
    bool record();
    bool points(qint64 count);
    bool objectMade();
    bool stateSaved();
    // Counted as one state let go of, whatever the record asks: libwmf takes back no more.
    void stateRestored();
    Failure failure() const { return {Failure::Kind::TooLarge, detail_}; }

private:
    qint64 records_ = 0, points_ = 0, objects_ = 0, saved_ = 0;
    QString detail_;
};

// A converter library's turn: one conversion at a time, since neither library says it may run on
// two threads at once, and on this thread numbers in the C form while it lasts, since both print
// their SVG through printf, which would write a decimal comma in such a locale.
class ConverterTurn
{
public:
    ConverterTurn();
    ~ConverterTurn();
    ConverterTurn(const ConverterTurn&) = delete;
    ConverterTurn& operator=(const ConverterTurn&) = delete;

private:
    std::lock_guard<std::mutex> lock_;
    locale_t numbers_;
    locale_t previous_;
};

Failure unreadable(const QString& detail = QString());
Failure tooBigFile(qint64 bytes);
// A frame of w × h HIMETRIC that is empty or absurdly large is refused.
std::optional<Failure> checkFrameSize(qint64 w, qint64 h);

// Adds up the pixels of a metafile's bitmaps before it is converted. A conversion holds each
// bitmap several times over (decoded, packed as PNG, as base64 text in the SVG, decoded again by
// the SVG renderer), so each converter gives what a pixel costs it in all.
class BitmapBudget
{
public:
    explicit BitmapBudget(qint64 bytesPerPixel);
    // False once the bitmaps taken so far are beyond the limit; failure() then says which.
    bool take(const BitmapHeader& bitmap);
    Failure failure() const { return {Failure::Kind::TooLarge, detail_}; }

private:
    qint64 maxPixels_;
    qint64 pixels_ = 0;
    QString detail_;
};

// Gives the SVG root the frame as its viewBox, the natural size as its size, and the namespaces
// that the converters use without always declaring them. Empty when svg has no root.
QByteArray withFrame(const QByteArray& svg, const QRectF& viewBox, QSize himetric);

// A converter's SVG as the picture: its drawing kept near the frame, which becomes its viewBox.
Result framed(QByteArray svg, const QRectF& viewBox, QSize himetric);

} // namespace quenbrook::MetafileToSvg
