// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QList>

class QAbstractButton;

namespace quenbrook {

// Tab enters a set of options at the one chosen, as in the system's own dialogs; the arrow keys
// then move among them. Kept so when the choice changes, by the user or by the program.
void TabEntersAtChosen(const QList<QAbstractButton*>& options);

} // namespace quenbrook
