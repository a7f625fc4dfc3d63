// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/common/Placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace quenbrook {

void CentreOnOwner(QWidget& window)
{
    const QWidget* owner = window.parentWidget() ? window.parentWidget()->window() : nullptr;
    const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    const QRect free = screen ? screen->availableGeometry() : QRect();
    const QRect area = owner ? owner->frameGeometry() : free;
    if (!area.isValid())
        return;

    // Before the first showing the frame is not known yet; it is then the window itself.
    const QRect frame = window.frameGeometry();
    QPoint topLeft = area.center() - QRect(QPoint(), frame.size()).center();
    if (free.isValid()) {
        topLeft.setX(
            std::max(free.left(), std::min(topLeft.x(), free.right() + 1 - frame.width())));
        topLeft.setY(
            std::max(free.top(), std::min(topLeft.y(), free.bottom() + 1 - frame.height())));
    }
    // A window's position is that of its frame.
    window.move(topLeft);
}

} // namespace quenbrook
