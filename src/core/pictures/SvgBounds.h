// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/pictures/MetafileToSvg.h"

#include <QByteArray>
#include <QRectF>

#include <optional>

namespace quenbrook::MetafileToSvg {

// Ink this many frame sizes beyond the frame is drawn where it stops counting: painting a wide
// line to a point millions of frames away can take minutes, and none of it shows.
inline constexpr double ReachInFrames = 64;
// A transform that stretches its contents more than this is taken as a damaged file.
inline constexpr double MaxTransformStretch = 1000;

// Pulls every number of the drawing's attributes (coordinates, sizes, line widths) to within
// ReachInFrames frames of the frame, keeping embedded pictures and text as they are. A failure
// when a transform stretches beyond MaxTransformStretch.
std::optional<Failure> keepNearFrame(QByteArray& svg, const QRectF& viewBox);

} // namespace quenbrook::MetafileToSvg
