// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/pictures/LoadStop.h"
#include "core/pictures/MetafileToSvg.h"
#include "core/pictures/MetafileTrial.h"

#include <QByteArrayView>
#include <QString>

// Metafiles are converted, and their drawing tried, by a short-lived helper program under one
// budget, so that no record of a hostile file can make the program itself spend more than that.
namespace quenbrook::MetafileToSvg {

// What the helper may spend on one metafile: processor time and memory from its start.
inline constexpr int HelperCpuSeconds = 2;
inline constexpr qint64 HelperMemoryBytes = 400LL * 1024 * 1024;

// What the helper's wait status, its largest resident size and what it wrote say: its answer
// when it ended normally, else the budget it went over, a stop from outside, or damage.
Result helperEnding(int waitStatus, qint64 peakBytes, QByteArrayView answer);

// Converts the metafile in the helper and hands back the SVG it drew, or why there is none. A
// helper that goes over the budget is killed and the picture refused as too large; one that
// cannot be started, crashes or answers nonsense makes the metafile unreadable. Once `stop` is
// raised the helper is killed at once and the conversion answers Stopped. The helper is always
// waited for before this returns.
Result convertApart(MetafileKind kind, const QByteArray& data, const LoadStop* stop = nullptr);

} // namespace quenbrook::MetafileToSvg
