// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QToolBar>
#include <QToolButton>

namespace quenbrook {

// Toolbar buttons join the tab chain where they stand, first, as they are read top-left first,
// so every toolbar command can be reached from the keyboard (Space presses the focused one). The
// window still opens with the focus on its first own control. Called once the window's controls
// are all made.
inline void JoinTabChain(QToolBar& toolbar)
{
    QWidget* window = toolbar.window();
    for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain())
        if ((w->focusPolicy() & Qt::TabFocus) && !toolbar.isAncestorOf(w)) {
            w->setFocus();
            break;
        }
    for (QToolButton* button : toolbar.findChildren<QToolButton*>())
        button->setFocusPolicy(Qt::TabFocus);
}

} // namespace quenbrook
