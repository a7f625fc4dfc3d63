// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/common/Messages.h"

#include <QMessageBox>

namespace quenbrook {

void ShowMessage(QWidget* parent, const QString& text, MessageIcon icon)
{
    QMessageBox box(parent);
    box.setWindowTitle(QString::fromUtf16(ApplicationTitle));
    // Two-line texts are joined with CR LF; the box shows the line break once.
    box.setText(QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    switch (icon) {
    case MessageIcon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case MessageIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MessageIcon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

} // namespace quenbrook
