// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

// The messages of start-up, of commands handed over by later starts, and of the Album Viewer's
// way to the Album Printer, in the user's language.
namespace quenbrook::ProgramMessages {

inline QString QuenbrookStops()
{
    return QCoreApplication::translate("ProgramMessages",
                                       "Can't find the printer!\r\nQuenbrook Stops!");
}
inline QString OnlyAlbumViewer()
{
    return QCoreApplication::translate("ProgramMessages",
                                       "Can't find the printer!\r\nYou may only run the Album "
                                       "Viewer!");
}
inline QString CantOpenFile()
{
    return QCoreApplication::translate("ProgramMessages", "Can't Open the File!");
}

} // namespace quenbrook::ProgramMessages
