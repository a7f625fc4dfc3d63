#pragma once

#include <QString>

// The messages of start-up, of commands handed over by later starts, and of the Album Viewer's
// way to the Album Printer.
namespace quenbrook::ProgramMessages {

inline const QString QuenbrookStops = QStringLiteral("Can't find the printer!\r\nQuenbrook Stops!");
inline const QString OnlyAlbumViewer =
    QStringLiteral("Can't find the printer!\r\nYou may only run the Album Viewer!");
inline const QString CantOpenFile = QStringLiteral("Can't Open the File!");

} // namespace quenbrook::ProgramMessages
