// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/common/BusyCursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace quenbrook {

BusyCursor::BusyCursor()
{
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

BusyCursor::~BusyCursor()
{
    QGuiApplication::restoreOverrideCursor();
}

} // namespace quenbrook
