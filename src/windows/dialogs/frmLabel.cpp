// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/dialogs/frmLabel.h"

#include "core/album/PageSurface.h"
#include "core/album/PrintSettingsLoader.h"
#include "windows/common/ChosenOption.h"
#include "windows/dialogs/TabStrip.h"

#include <QButtonGroup>
#include <QFrame>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>

#include <utility>

namespace quenbrook {

frmLabel::frmLabel(QWidget* owner, SettingsStore& store, PageSurface& printer,
                   FontChooser fontChooser)
    : OptionDialogBase(owner, store, printer, QStringLiteral("frmLabel"), tr("Label"),
                       QSize(4548, 3516), Placement::BySystem, std::move(fontChooser))
    , labelSettingGroup_(new QButtonGroup(this))
    , positionGroup_(new QButtonGroup(this))
{
    addTabStrip(twips(120, 120, 4332, 2772));

    QFrame* fraGeneral = addPage(tr("General"), QStringLiteral("General"),
                                 QStringLiteral("fraGeneral"), twips(240, 480, 4092, 2292));
    const QString kinds[] = {tr("None"), tr("File Name"), tr("File Path and Name")};
    const QRect kindPlaces[] = {twips(240, 240, 972, 252), twips(240, 600, 1332, 252),
                                twips(240, 960, 1932, 252)};
    for (int i = 0; i < 3; ++i) {
        optLabelSetting[i] = place(new QRadioButton(kinds[i], fraGeneral),
                                   QStringLiteral("optLabelSetting%1").arg(i), kindPlaces[i]);
        labelSettingGroup_->addButton(optLabelSetting[i], i);
    }
    optLabelSetting[0]->setChecked(true);
    cmdFont = place(new QPushButton(tr("&Font"), fraGeneral), QStringLiteral("cmdFont"),
                    twips(2640, 600, 732, 372));
    cmdFont->setAutoDefault(false);

    QFrame* fraPosition = addPage(tr("Position"), QStringLiteral("Position"),
                                  QStringLiteral("fraPosition"), twips(240, 480, 4092, 2292));
    const QString positions[] = {tr("Label Above Picture"), tr("Label Below Picture")};
    // 480 high rather than 492, so that the two do not overlap.
    const QRect positionPlaces[] = {twips(720, 360, 2532, 480), twips(720, 840, 2532, 480)};
    for (int i = 0; i < 2; ++i) {
        optPosition[i] = place(new QRadioButton(positions[i], fraPosition),
                               QStringLiteral("optPosition%1").arg(i), positionPlaces[i]);
        positionGroup_->addButton(optPosition[i], i);
    }

    addOkCancel(twips(2760, 3000, 732, 372), twips(3720, 3000, 732, 372));

    setFocusOrder({TabStrip1->tabBar(), cmdCancel, cmdOk, cmdFont, optLabelSetting[2],
                   optLabelSetting[1], optLabelSetting[0], optPosition[0], optPosition[1]});

    TabEntersAtChosen(labelSettingGroup_->buttons());
    TabEntersAtChosen(positionGroup_->buttons());
    connect(labelSettingGroup_, &QButtonGroup::idToggled, this, [this](int index, bool checked) {
        if (checked)
            optLabelSetting_Click(index);
    });
    connect(positionGroup_, &QButtonGroup::idToggled, this, [this](int index, bool checked) {
        if (checked)
            optPosition_Click(index);
    });
    connect(cmdFont, &QPushButton::clicked, this, &frmLabel::cmdFont_Click);
    Form_Load();
    layOutControls();
}

void frmLabel::Form_Load()
{
    // Read by the same rules as the print settings: "LabelPosition" other than "Above" is
    // below, a "PrintLabel" that is none of its three words is no label.
    // Asked before the group is read, whose reading discards the printer's document.
    const PrintFont printerFont = printer_.defaultFont();
    label_.PrintLabel = LabelKind::None;
    PrintSettingsLoader(store_, printer_).ReloadLabelGroup(label_);
    label_.LabelFont = usableFont(label_.LabelFont, printerFont);
    optPosition[label_.LabelPosition == LabelPlace::Above ? 0 : 1]->setChecked(true);
    optLabelSetting[qint32(label_.PrintLabel)]->setChecked(true);

    TabStrip1_Click(TabStrip1->selectedKey());
}

void frmLabel::optLabelSetting_Click(int index)
{
    label_.PrintLabel = LabelKind(index);
}

void frmLabel::optPosition_Click(int index)
{
    label_.LabelPosition = index != 0 ? LabelPlace::Below : LabelPlace::Above;
}

void frmLabel::cmdFont_Click()
{
    chooseFont(label_.LabelFont, label_.FontColor);
}

void frmLabel::cmdOk_Click()
{
    ForEachLabelSetting(label_, settingWriter());
    accept();
}

} // namespace quenbrook
