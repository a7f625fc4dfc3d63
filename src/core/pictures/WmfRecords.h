// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/pictures/MetafileToSvg.h"

#include <QByteArray>

#include <variant>

// The record structure of a Windows metafile: checked before libwmf sees it, and rebuilt for it.
namespace quenbrook::MetafileToSvg {

inline constexpr qsizetype WmfHeaderBytes = 18;

struct WmfLayout
{
    qsizetype headerAt = 0; // the standard header follows the placeable one, if any
    bool placeable = false;
    int left = 0, top = 0, right = 0, bottom = 0, unitsPerInch = 0;
    QByteArray mapping; // records that set up the coordinates before anything is drawn
    bool hasWindow = false;
    int windowX = 0, windowY = 0, windowW = 0, windowH = 0;
    quint32 largestRecordWords = 3;
    qsizetype recordsEnd = 0; // where the end record is, or the end of the data without one
};

// Walks the whole record chain, so that libwmf is only given metafiles whose records all fit.
std::variant<WmfLayout, Failure> readWmfLayout(const QByteArray& data);

// Header and records as libwmf gets them: sizes in the header made true, an end record ensured.
QByteArray wmfWithRecords(const QByteArray& data, const WmfLayout& layout,
                          const QByteArray& records, quint32 largestRecordWords);

// PatBlt records covering a rectangle in logical units; pieces keep each side within 16 bits.
QByteArray patBlts(int x0, int y0, int x1, int y1);

} // namespace quenbrook::MetafileToSvg
