// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/common/ProgramEnding.h"

#include <QCoreApplication>

namespace quenbrook {

void ProgramEnding::setOtherWindowVisible(std::function<bool(const QWidget&)> visible)
{
    otherWindowVisible_ = std::move(visible);
}

void ProgramEnding::setEndProgram(std::function<void()> endProgram)
{
    endProgram_ = std::move(endProgram);
}

bool ProgramEnding::otherWindowVisible(const QWidget& window) const
{
    return otherWindowVisible_ && otherWindowVisible_(window);
}

void ProgramEnding::endProgram() const
{
    if (endProgram_)
        endProgram_();
    else
        QCoreApplication::exit(0);
}

} // namespace quenbrook
