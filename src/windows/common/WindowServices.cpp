// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/common/WindowServices.h"

#include <QDialog>

namespace quenbrook {

int RunModal(QDialog& dialog)
{
    return dialog.exec();
}

} // namespace quenbrook
