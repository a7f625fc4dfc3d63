#pragma once

#include <QString>

// The settings the Album Printer window writes besides the print options: its placement in
// section "AlbumPrinter" and, on leaving, which window the next start opens.
namespace quenbrook::AlbumPrinterKeys {

inline const QString ProgramSection = QStringLiteral("Quenbrook");
inline const QString Start = QStringLiteral("Start");
inline const QString StartAlbumPrinter = QStringLiteral("AlbumPrinter");

inline const QString Left = QStringLiteral("Left");
inline const QString Top = QStringLiteral("Top");
inline const QString Width = QStringLiteral("Width");
inline const QString Height = QStringLiteral("Height");
inline const QString SplitterLeft = QStringLiteral("SplitterLeft");

} // namespace quenbrook::AlbumPrinterKeys
