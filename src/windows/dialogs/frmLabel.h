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

    PrintSettings label_; // its label group as read, then as edited

    std::array<QRadioButton*, 3> optLabelSetting{};
    QButtonGroup* labelSettingGroup_;
    QPushButton* cmdFont;
    std::array<QRadioButton*, 2> optPosition{};
    QButtonGroup* positionGroup_;
};

} // namespace quenbrook
