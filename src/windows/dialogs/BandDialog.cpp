// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/dialogs/BandDialog.h"

#include "core/album/PageSurface.h"
#include "core/album/PrintSettingsLoader.h"
#include "core/settings/NumberRules.h"
#include "windows/common/ChosenOption.h"
#include "windows/dialogs/TabStrip.h"

#include <QButtonGroup>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>

namespace quenbrook {

struct BandDialog::Keys
{
    QString Form;
    const char* Caption; // translated when a dialog opens
    const BandSettings& Band;
};

const BandDialog::Keys& BandDialog::keysOf(Band band)
{
    static const Keys header{QStringLiteral("frmHeader"), QT_TR_NOOP("Header"),
                             AlbumSettings::Header};
    static const Keys footer{QStringLiteral("frmFooter"), QT_TR_NOOP("Footer"),
                             AlbumSettings::Footer};
    return band == Band::Header ? header : footer;
}

namespace {

// Codes that have no option button open with the first one, which OK then writes.
template <class Code> Code shownCode(Code code)
{
    return qint32(code) >= 0 && qint32(code) <= 2 ? code : Code(0);
}

} // namespace

BandDialog::BandDialog(Band band, QWidget* owner, SettingsStore& store, PageSurface& printer,
                       FontChooser fontChooser)
    : OptionDialogBase(owner, store, printer, keysOf(band).Form, tr(keysOf(band).Caption),
                       QSize(4644, 3936), Placement::CenteredOnOwner, std::move(fontChooser))
    , which_(band)
    , settingGroup_(new QButtonGroup(this))
    , alignmentGroup_(new QButtonGroup(this))
{
    addTabStrip(twips(120, 120, 4452, 3252));
    addGeneralPage();
    addSpacingPage();
    addAlignmentPage();
    lblUnit = place(new QLabel(this), QStringLiteral("lblUnit"), twips(240, 3600, 468, 192));
    addOkCancel(twips(3000, 3480, 732, 372), twips(3840, 3480, 732, 372));

    setFocusOrder({optSetting[0], optSetting[1], optSetting[2], txtContext, cmdFont, txtSpacing,
                   optAlignment[0], optAlignment[1], optAlignment[2], TabStrip1->tabBar(), cmdOk,
                   cmdCancel});
    connectControls();
    Form_Load();
    layOutControls();
}

void BandDialog::addGeneralPage()
{
    QFrame* fraGeneral = addPage(tr("General"), QStringLiteral("General"),
                                 QStringLiteral("fraGeneral"), twips(360, 480, 4092, 2652));
    const QString styles[] = {tr("None"), tr("Page Number"), tr("Text")};
    const QRect stylePlaces[] = {twips(240, 240, 972, 252), twips(240, 600, 1332, 252),
                                 twips(240, 960, 972, 252)};
    for (int i = 0; i < 3; ++i) {
        optSetting[i] = place(new QRadioButton(styles[i], fraGeneral),
                              QStringLiteral("optSetting%1").arg(i), stylePlaces[i]);
        settingGroup_->addButton(optSetting[i], i);
    }
    optSetting[0]->setChecked(true);
    txtContext =
        place(new QLineEdit(fraGeneral), QStringLiteral("txtContext"), twips(240, 1320, 3012, 288));
    txtContext->setEnabled(false);
    txtContext->setAccessibleName(tr("Text"));
    cmdFont = place(new QPushButton(tr("&Font"), fraGeneral), QStringLiteral("cmdFont"),
                    twips(2640, 600, 732, 372));
    cmdFont->setAutoDefault(false);
}

void BandDialog::addSpacingPage()
{
    QFrame* fraSpacing = addPage(tr("Spacing"), QStringLiteral("Spacing"),
                                 QStringLiteral("fraSpacing"), twips(240, 480, 4092, 2652));
    addPicture(fraSpacing, QStringLiteral("Image1"),
               which_ == Band::Header ? QStringLiteral("header-spacing.svg")
                                      : QStringLiteral("footer-spacing.svg"),
               twips(120, 120, 1944, 2340));
    txtSpacing =
        place(new QLineEdit(fraSpacing), QStringLiteral("txtSpacing"), twips(2520, 1080, 972, 288));
    txtSpacing->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    txtSpacing->setAccessibleName(tr("Spacing"));
    txtSpacing->installEventFilter(this);
}

void BandDialog::addAlignmentPage()
{
    QFrame* fraAlignment = addPage(tr("Alignment"), QStringLiteral("Alignment"),
                                   QStringLiteral("fraAlignment"), twips(240, 480, 4092, 2652));
    const QString alignments[] = {tr("Left"), tr("Center"), tr("Right")};
    const QRect alignmentPlaces[] = {twips(120, 240, 732, 252), twips(1200, 240, 975, 252),
                                     twips(2520, 240, 732, 252)};
    for (int i = 0; i < 3; ++i) {
        optAlignment[i] = place(new QRadioButton(alignments[i], fraAlignment),
                                QStringLiteral("optAlignment%1").arg(i), alignmentPlaces[i]);
        alignmentGroup_->addButton(optAlignment[i], i);
    }
    optAlignment[0]->setChecked(true);
}

void BandDialog::connectControls()
{
    TabEntersAtChosen(settingGroup_->buttons());
    TabEntersAtChosen(alignmentGroup_->buttons());
    connect(settingGroup_, &QButtonGroup::idToggled, this, [this](int index, bool checked) {
        if (checked)
            optSetting_Click(index);
    });
    connect(alignmentGroup_, &QButtonGroup::idToggled, this, [this](int index, bool checked) {
        if (checked)
            optAlignment_Click(index);
    });
    connect(cmdFont, &QPushButton::clicked, this, &BandDialog::cmdFont_Click);
}

void BandDialog::Form_Load()
{
    lblUnit->setText(unitCaption(readUnit()));

    // Asked before the band is read, whose reading discards the printer's document.
    const PrintFont printerFont = printer_.defaultFont();
    band_ = PrintSettingsLoader(store_, printer_).ReadBand(keysOf(which_).Band);
    band_.Font = usableFont(band_.Font, printerFont);
    band_.Alignment = shownCode(band_.Alignment);
    band_.Style = shownCode(band_.Style);
    txtContext->setText(band_.Text);
    optAlignment[qint32(band_.Alignment)]->setChecked(true);
    optSetting[qint32(band_.Style)]->setChecked(true);
    settingGroup_->checkedButton()->setFocus();
    txtSpacing->setText(NumberText(band_.Spacing));

    TabStrip1_Click(TabStrip1->selectedKey());
}

void BandDialog::optSetting_Click(int index)
{
    band_.Style = BandStyle(index);
    txtContext->setEnabled(band_.Style == BandStyle::Text);
}

void BandDialog::optAlignment_Click(int index)
{
    band_.Alignment = BandAlignment(index);
}

bool BandDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtSpacing && event->type() == QEvent::FocusOut)
        txtSpacing_LostFocus();
    return OptionDialogBase::eventFilter(watched, event);
}

void BandDialog::txtSpacing_LostFocus()
{
    txtSpacing->setText(NumberText(NumericValue(txtSpacing->text())));
}

void BandDialog::cmdFont_Click()
{
    chooseFont(band_.Font, band_.FontColor);
}

void BandDialog::cmdOk_Click()
{
    band_.Text = txtContext->text();
    band_.Spacing = static_cast<float>(NumericValue(txtSpacing->text()));
    ForEachBandSetting(keysOf(which_).Band, band_, settingWriter());
    accept();
}

} // namespace quenbrook
