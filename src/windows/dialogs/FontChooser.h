#pragma once

#include "core/album/PrintSettings.h"

#include <functional>
#include <optional>

class QColor;
class QWidget;

namespace quenbrook {

// What the font button edits: the font with its effects, and the colour of the text.
struct ChosenFont
{
    PrintFont Font;
    PrintColor Color = 0;

    friend bool operator==(const ChosenFont&, const ChosenFont&) = default;
};

// Shows a chooser starting at `current`; nothing when it was cancelled or could not be shown.
// Tests put their own in place of the real one.
using FontChooser =
    std::function<std::optional<ChosenFont>(QWidget* parent, const ChosenFont& current)>;

// The program's chooser: Qt's font dialog (scalable fonts only, with strikeout and underline)
// and below it a colour button that opens the colour dialog, in one window titled "Font".
std::optional<ChosenFont> ChooseFont(QWidget* parent, const ChosenFont& current);

// Colours as stored (red in the lowest byte) and as Qt has them.
PrintColor ToPrintColor(const QColor& color);

} // namespace quenbrook
