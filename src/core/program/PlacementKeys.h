// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

// The keys under which a main window keeps its outer placement, in twips, in its own section.
namespace quenbrook::PlacementKeys {

inline const QString Left = QStringLiteral("Left");
inline const QString Top = QStringLiteral("Top");
inline const QString Width = QStringLiteral("Width");
inline const QString Height = QStringLiteral("Height");

} // namespace quenbrook::PlacementKeys
