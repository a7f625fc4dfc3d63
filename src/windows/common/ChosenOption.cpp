// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/common/ChosenOption.h"

#include <QAbstractButton>

#include <algorithm>

namespace quenbrook {

void TabEntersAtChosen(const QList<QAbstractButton*>& options)
{
    const auto fit = [options] {
        const auto chosen = std::find_if(options.begin(), options.end(),
                                         [](const QAbstractButton* o) { return o->isChecked(); });
        if (chosen == options.end())
            return;
        for (QAbstractButton* option : options) {
            const int policy = option->focusPolicy();
            option->setFocusPolicy(Qt::FocusPolicy(option == *chosen ? policy | Qt::TabFocus
                                                                     : policy & ~Qt::TabFocus));
        }
    };
    fit();
    for (QAbstractButton* option : options)
        QObject::connect(option, &QAbstractButton::toggled, option, fit);
}

} // namespace quenbrook
