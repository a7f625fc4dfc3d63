// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/dialogs/FontChooser.h"

#include "windows/dialogs/FontDialog.h"

#include <QFontDatabase>

namespace quenbrook {

QStringList ChooserFamilies()
{
    QStringList families;
    for (const QString& family : QFontDatabase::families()) {
        if (!QFontDatabase::isPrivateFamily(family) && QFontDatabase::isScalable(family))
            families << family;
    }
    return families;
}

bool IsKnownFamily(const QString& name)
{
    // hasFamily() says no to fontconfig's Serif, Sans Serif and Monospace, which families()
    // lists and fontconfig draws.
    return !name.isEmpty() && (QFontDatabase::hasFamily(name) ||
                               ChooserFamilies().contains(name, Qt::CaseInsensitive));
}

PrintColor ToPrintColor(const QColor& color)
{
    const QRgb rgb = color.rgb();
    return static_cast<PrintColor>(qRed(rgb) | qGreen(rgb) << 8 | qBlue(rgb) << 16);
}

std::optional<ChosenFont> ChooseFont(QWidget* parent, const ChosenFont& current)
{
    FontDialog dialog(parent, current);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.chosen();
}

} // namespace quenbrook
