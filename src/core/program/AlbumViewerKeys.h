// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/program/PlacementKeys.h"

#include <QString>

// The Album Viewer window's placement in section "AlbumViewer", in twips.
namespace quenbrook::AlbumViewerKeys {

inline const QString Section = QStringLiteral("AlbumViewer");
using PlacementKeys::Height;
using PlacementKeys::Left;
using PlacementKeys::Top;
using PlacementKeys::Width;

} // namespace quenbrook::AlbumViewerKeys
