// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <functional>

class QWidget;

namespace quenbrook {

// How a main window ends the program. Closed while another main window is visible, it only
// hides; otherwise, and on Exit, the program ends at once without any other window's closing
// steps.
class ProgramEnding
{
public:
    // Whether a main window other than the one given is visible (unset: none is).
    void setOtherWindowVisible(std::function<bool(const QWidget& window)> visible);
    // Unset: ending leaves the event loop.
    void setEndProgram(std::function<void()> endProgram);

    bool otherWindowVisible(const QWidget& window) const;
    void endProgram() const;

private:
    std::function<bool(const QWidget&)> otherWindowVisible_;
    std::function<void()> endProgram_;
};

} // namespace quenbrook
