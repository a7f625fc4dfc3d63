// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "windows/dialogs/OptionDialogBase.h"

class QLabel;
class QLineEdit;

namespace quenbrook {

// "Set Print Size": the largest picture and the three gaps of the picture grid, in the print
// unit. OK saves them only when a picture with its gaps fits the printer's printable area; a
// value beyond the single-precision range never fits. When the printer cannot be asked (its
// error() is not empty), OK shows that reason, saves nothing and leaves the dialog open.
class frmPrintSize : public OptionDialogBase
{
    Q_OBJECT

public:
    frmPrintSize(QWidget* owner, SettingsStore& store, PageSurface& printer);

protected:
    void cmdOk_Click() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void txtPictureSizeX_LostFocus();
    void txtPictureSizeY_LostFocus();
    void txtPictureSpacingX_LostFocus();
    void txtPictureSpacingY_LostFocus();
    void txtPictureLabelSpacing_LostFocus();

    // The number box of a distance; its picture beside it says what it holds, so screen readers
    // get `spoken`.
    QLineEdit* addNumberBox(QWidget* frame, float PrintSettings::*distance, const QString& name,
                            const QString& spoken, QRect design);

    PrintUnit unit_ = PrintUnit::Inch;
    QList<std::pair<float PrintSettings::*, QLineEdit*>> boxes_;
    QLineEdit* txtPictureSizeY;
    QLineEdit* txtPictureSizeX;
    QLineEdit* txtPictureSpacingX;
    QLineEdit* txtPictureSpacingY;
    QLineEdit* txtPictureLabelSpacing;
    QLabel* lblUnit;
};

} // namespace quenbrook
