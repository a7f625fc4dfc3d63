// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QAction>
#include <QKeySequence>
#include <QList>

namespace quenbrook {

// Gives a command the platform's keys for a standard command, so a menu shows them as the
// desktop's other programs do. Where the platform has none (the Windows scheme has no Quit key),
// the fallback is taken. The keys work while the action's window is active.
inline void SetStandardKeys(QAction& action, QKeySequence::StandardKey key,
                            const QKeySequence& fallback = {})
{
    QList<QKeySequence> keys = QKeySequence::keyBindings(key);
    if (keys.isEmpty() && !fallback.isEmpty())
        keys << fallback;
    action.setShortcuts(keys);
    action.setShortcutContext(Qt::WindowShortcut);
}

// A key of the window with no menu item: the platform's keys for the standard command run the
// slot while the window is active.
template <class Window, class Slot>
QAction* AddWindowKey(Window& window, QKeySequence::StandardKey key, Slot slot)
{
    auto* action = new QAction(&window);
    SetStandardKeys(*action, key);
    QObject::connect(action, &QAction::triggered, &window, slot);
    window.addAction(action);
    return action;
}

// Quit is Ctrl+Q on every platform here.
inline void SetQuitKeys(QAction& action)
{
    SetStandardKeys(action, QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q));
}

} // namespace quenbrook
