// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/dialogs/OptionDialogs.h"

#include "windows/common/WindowServices.h"
#include "windows/dialogs/BandDialog.h"
#include "windows/dialogs/frmLabel.h"
#include "windows/dialogs/frmPrintSize.h"

namespace quenbrook {
namespace {

void run(OptionDialogBase&& dialog, const WindowServices& services)
{
    dialog.setMessageFunction(services.message);
    services.runDialog(dialog);
}

} // namespace

void RunOptionDialog(OptionDialog which, QWidget* owner, const WindowServices& services,
                     PageSurface& printer)
{
    switch (which) {
    case OptionDialog::Label:
        run(frmLabel(owner, services.store, printer), services);
        return;
    case OptionDialog::PrintSize:
        run(frmPrintSize(owner, services.store, printer), services);
        return;
    case OptionDialog::Header:
        run(frmHeader(owner, services.store, printer), services);
        return;
    case OptionDialog::Footer:
        run(frmFooter(owner, services.store, printer), services);
        return;
    }
}

} // namespace quenbrook
