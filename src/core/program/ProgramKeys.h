// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

// The settings of section "Quenbrook": where the program last registered its file types from,
// which release registered them, and which main window the next start opens.
namespace quenbrook::ProgramKeys {

inline const QString Section = QStringLiteral("Quenbrook");
inline const QString Path = QStringLiteral("Path");
inline const QString V = QStringLiteral("V");
inline const QString NoVersion = QStringLiteral("0.0.0");
inline const QString Start = QStringLiteral("Start");
inline const QString StartAlbumViewer = QStringLiteral("AlbumViewer");
inline const QString StartAlbumPrinter = QStringLiteral("AlbumPrinter");

} // namespace quenbrook::ProgramKeys
