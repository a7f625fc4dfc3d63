// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

namespace quenbrook {

// The option dialogs of the Album Printer window, by the menu command that opens them.
enum class OptionDialog
{
    Label,
    PrintSize,
    Header,
    Footer,
};

} // namespace quenbrook
