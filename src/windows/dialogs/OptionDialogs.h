#pragma once

#include "windows/dialogs/OptionDialog.h"

class QWidget;

namespace quenbrook {

class PageSurface;
class SettingsStore;

// Shows one option dialog modally, owned by `owner`, and returns when it has closed. The dialog
// reads its values from the store when it opens and writes them there on OK; it never touches
// the caller's PrintSettings, which the caller reloads afterwards (the matching
// PrintSettingsLoader::Reload… group or ReadBand, whichever button closed the dialog). The printer
// gives the default fonts and, for the Print Size dialog, the printable area.
void RunOptionDialog(OptionDialog which, QWidget* owner, SettingsStore& store,
                     PageSurface& printer);

} // namespace quenbrook
