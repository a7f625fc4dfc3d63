#pragma once

#include <functional>

namespace quenbrook {

// How a main window ends the program. Closed while the other main window is visible, it only
// hides; otherwise, and on Exit, the program ends at once without any other window's closing
// steps.
class ProgramEnding
{
public:
    // Unset: the other window is not visible.
    void setOtherWindowVisible(std::function<bool()> visible);
    // Unset: ending leaves the event loop.
    void setEndProgram(std::function<void()> endProgram);

    bool otherWindowVisible() const;
    void endProgram() const;

private:
    std::function<bool()> otherWindowVisible_;
    std::function<void()> endProgram_;
};

} // namespace quenbrook
