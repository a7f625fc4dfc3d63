// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "windows/dialogs/OptionDialogBase.h"

#include <array>

class QButtonGroup;
class QRadioButton;

namespace quenbrook {

// "Label": whether each picture is labelled with its file name or its full path, the label's
// font and colour, and whether the label sits above or below the picture.
class frmLabel : public OptionDialogBase
{
    Q_OBJECT

public:
    frmLabel(QWidget* owner, SettingsStore& store, PageSurface& printer,
             FontChooser fontChooser = ChooseFont);

protected:
    void cmdOk_Click() override;

private:
    void Form_Load();
    void optLabelSetting_Click(int index);
    void optPosition_Click(int index);
    void cmdFont_Click();

    ChosenFont font_;
    qint32 position_ = 0;  // 0 above, 1 below
    qint32 labelKind_ = 0; // 0 none, 1 file name, 2 path and name

    std::array<QRadioButton*, 3> optLabelSetting{};
    QButtonGroup* labelSettingGroup_;
    QPushButton* cmdFont;
    std::array<QRadioButton*, 2> optPosition{};
    QButtonGroup* positionGroup_;
};

} // namespace quenbrook
