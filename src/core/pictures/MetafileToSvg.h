// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/pictures/LoadStop.h"

#include <QByteArray>
#include <QSize>
#include <QString>

#include <variant>

namespace quenbrook::MetafileToSvg {

// A metafile turned into SVG. The SVG's viewBox is the metafile's frame, so rendering it into a
// rectangle puts the frame exactly on that rectangle (ink outside the frame falls outside it).
struct Converted
{
    QByteArray svg;
    QSize naturalHimetric; // the frame, in 0.01 mm
};

struct Failure
{
    enum class Kind
    {
        Unreadable, // not this kind of metafile, or damaged
        NoSize,     // a metafile that does not say how big it is
        TooLarge,   // the file, or the frame it claims, is beyond what is accepted
        Stopped,    // the stop was raised while converting
    };
    Kind kind = Kind::Unreadable;
    QString detail; // a few words for the user, may be empty
};

using Result = std::variant<Converted, Failure>;

// Metafiles bigger than this are refused without being read.
inline constexpr qint64 MaxFileBytes = 16LL * 1024 * 1024;
// The most that converting a metafile and holding its drawing takes.
inline constexpr qint64 MaxHeldBytes = 128LL * 1024 * 1024;
// A frame side beyond 10 m is taken as a damaged header.
inline constexpr int MaxFrameHimetric = 1'000'000;
// Units per inch assumed for a Windows metafile without a placeable header.
inline constexpr int PlainWmfUnitsPerInch = 1440;

// Windows metafile (.wmf), with or without the placeable header.
Result wmfToSvg(const QByteArray& data, const LoadStop* stop = nullptr);
// Enhanced metafile (.emf), EMF+ records included.
Result emfToSvg(const QByteArray& data, const LoadStop* stop = nullptr);

} // namespace quenbrook::MetafileToSvg
