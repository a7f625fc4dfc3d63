#include "dialogs/OptionDialogs.h"

#include "dialogs/BandDialog.h"
#include "dialogs/frmLabel.h"
#include "dialogs/frmPrintSize.h"

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
