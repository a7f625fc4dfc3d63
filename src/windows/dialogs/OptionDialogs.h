// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "windows/dialogs/OptionDialog.h"

class QWidget;

namespace quenbrook {

class PageSurface;
struct WindowServices;

// Shows one option dialog, owned by `owner`, through the services' dialog runner, and returns
// when it has closed. The dialog reads its values from the store when it opens and writes them
// there on OK; it never touches the caller's PrintSettings, which the caller reloads afterwards
// (the matching PrintSettingsLoader::Reload… group or ReadBand, whichever button closed the
// dialog). Its messages go through the services' message function. The printer gives the default
// fonts and, for the Print Size dialog, the printable area.
void RunOptionDialog(OptionDialog which, QWidget* owner, const WindowServices& services,
                     PageSurface& printer);

} // namespace quenbrook
