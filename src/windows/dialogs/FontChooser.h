// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/album/AlbumSettings.h"

#include <QStringList>

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

// The program's chooser, titled "Font": the scalable families of the font database, the four
// styles an album font has (named as the family names them), a size in points with up to four
// decimals, strikeout, underline, the colour and a sample. What the user leaves alone comes back
// exactly as it went in, so an untouched OK changes nothing.
std::optional<ChosenFont> ChooseFont(QWidget* parent, const ChosenFont& current);

// The families the chooser lists: the font database's scalable ones, fontconfig's Serif, Sans
// Serif and Monospace among them.
QStringList ChooserFamilies();
// Whether a stored family is one the system draws: one the chooser lists or the database has,
// in any letter case.
bool IsKnownFamily(const QString& name);

// Colours as stored (red in the lowest byte) and as Qt has them.
PrintColor ToPrintColor(const QColor& color);

} // namespace quenbrook
