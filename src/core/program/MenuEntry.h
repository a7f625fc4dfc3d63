// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QtGlobal>

// The texts of the installed menu entry; the build writes their translations into it.
namespace quenbrook::MenuEntry {

inline constexpr char Context[] = "MenuEntry";
inline constexpr const char* Name = QT_TRANSLATE_NOOP("MenuEntry", "Quenbrook");
inline constexpr const char* GenericName = QT_TRANSLATE_NOOP("MenuEntry", "Picture Album");
inline constexpr const char* Comment =
    QT_TRANSLATE_NOOP("MenuEntry", "Browse folders of pictures and print them as album pages");

} // namespace quenbrook::MenuEntry
