#include "windows/dialogs/OptionDialogs.h"

#include "windows/dialogs/BandDialog.h"
#include "windows/dialogs/frmLabel.h"
#include "windows/dialogs/frmPrintSize.h"

namespace quenbrook {

void RunOptionDialog(OptionDialog which, QWidget* owner, SettingsStore& store, PageSurface& printer)
{
    switch (which) {
    case OptionDialog::Label:
        frmLabel(owner, store, printer).exec();
        return;
    case OptionDialog::PrintSize:
        frmPrintSize(owner, store, printer).exec();
        return;
    case OptionDialog::Header:
        frmHeader(owner, store, printer).exec();
        return;
    case OptionDialog::Footer:
        frmFooter(owner, store, printer).exec();
        return;
    }
}

} // namespace quenbrook
