// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/program/Application.h"

#include <QString>

namespace quenbrook {

// Where the print options live in the settings store. The keys of the print settings record are
// declared with their rules in core/album/AlbumSettings.h.
namespace PrintKeys {

inline const QString Application = QString::fromUtf16(ApplicationTitle);
inline const QString Section = QStringLiteral("AlbumPrinter");

// The preview's remembered choices.
inline const QString PreviewZoom = QStringLiteral("PreviewZoom");
inline const QString PrintableArea = QStringLiteral("PrintableArea");
inline const QString PictureArea = QStringLiteral("PictureArea");

} // namespace PrintKeys
} // namespace quenbrook
