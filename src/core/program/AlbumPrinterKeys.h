// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/program/PlacementKeys.h"

#include <QString>

// The Album Printer window's placement in section "AlbumPrinter".
namespace quenbrook::AlbumPrinterKeys {

using PlacementKeys::Height;
using PlacementKeys::Left;
using PlacementKeys::Top;
using PlacementKeys::Width;
inline const QString SplitterLeft = QStringLiteral("SplitterLeft");

} // namespace quenbrook::AlbumPrinterKeys
