#include "windows/dialogs/BandDialog.h"

#include "core/album/PageSurface.h"
#include "core/album/PrintSettingsLoader.h"
#include "core/settings/NumberRules.h"
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
    QString Caption;
    const PrintKeys::BandKeys& Band;
};

const BandDialog::Keys& BandDialog::keysOf(Band band)
{
    static const Keys header{QStringLiteral("frmHeader"), QStringLiteral("Header"),
                             PrintKeys::HeaderBand};
    static const Keys footer{QStringLiteral("frmFooter"), QStringLiteral("Footer"),
                             PrintKeys::FooterBand};
    return band == Band::Header ? header : footer;
}

namespace {

// One band's values as the store holds them.
struct BandValues
{
    PrintFont Font;
    PrintColor Color = 0;
    QString Text;
    qint32 Alignment = 0;
    qint32 Style = 0;
    float Spacing = 0;
};

// Read by the same rules as the print settings; the printer's document is discarded after its
// font was asked for.
BandValues readBand(BandDialog::Band band, SettingsStore& store, PageSurface& printer)
{
    PrintSettings s;
    PrintSettingsLoader loader(store, printer);
    if (band == BandDialog::Band::Header) {
        loader.ReloadHeaderGroup(s);
        return {s.HeaderFont,          s.HeaderFontColor, s.HeaderText, qint32(s.HeaderAlignment),
                qint32(s.HeaderStyle), s.HeaderSpacing};
    }
    loader.ReloadFooterGroup(s);
    return {s.FooterFont,          s.FooterFontColor, s.FooterText, qint32(s.FooterAlignment),
            qint32(s.FooterStyle), s.FooterSpacing};
}

// Codes that have no option button open with the first one.
qint32 shownCode(qint32 code)
{
    return code >= 0 && code <= 2 ? code : 0;
}

} // namespace

BandDialog::BandDialog(Band band, QWidget* owner, SettingsStore& store, PageSurface& printer,
                       FontChooser fontChooser)
    : OptionDialogBase(owner, store, printer, keysOf(band).Form, keysOf(band).Caption,
                       QSize(4644, 3936), Placement::CenteredOnOwner, std::move(fontChooser))
    , band_(band)
    , settingGroup_(new QButtonGroup(this))
    , alignmentGroup_(new QButtonGroup(this))
{
    addTabStrip(twips(120, 120, 4452, 3252));

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
    cmdFont = place(new QPushButton(tr("&Font"), fraGeneral), QStringLiteral("cmdFont"),
                    twips(2640, 600, 732, 372));
    cmdFont->setAutoDefault(false);

    QFrame* fraSpacing = addPage(tr("Spacing"), QStringLiteral("Spacing"),
                                 QStringLiteral("fraSpacing"), twips(240, 480, 4092, 2652));
    addPicture(fraSpacing, QStringLiteral("Image1"),
               band == Band::Header ? QStringLiteral("header-spacing.svg")
                                    : QStringLiteral("footer-spacing.svg"),
               twips(120, 120, 1944, 2340));
    txtSpacing =
        place(new QLineEdit(fraSpacing), QStringLiteral("txtSpacing"), twips(2520, 1080, 972, 288));
    txtSpacing->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    txtSpacing->installEventFilter(this);

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

    lblUnit = place(new QLabel(this), QStringLiteral("lblUnit"), twips(240, 3600, 468, 192));
    addOkCancel(twips(3000, 3480, 732, 372), twips(3840, 3480, 732, 372));

    setFocusOrder({optSetting[0], optSetting[1], optSetting[2], txtContext, cmdFont, txtSpacing,
                   optAlignment[0], optAlignment[1], optAlignment[2], TabStrip1->tabBar(), cmdOk,
                   cmdCancel});

    connect(settingGroup_, &QButtonGroup::idToggled, this, [this](int index, bool checked) {
        if (checked)
            optSetting_Click(index);
    });
    connect(alignmentGroup_, &QButtonGroup::idToggled, this, [this](int index, bool checked) {
        if (checked)
            optAlignment_Click(index);
    });
    connect(cmdFont, &QPushButton::clicked, this, &BandDialog::cmdFont_Click);
    Form_Load();
    layOutControls();
}

void BandDialog::Form_Load()
{
    lblUnit->setText(unitCaption(readUnit()));

    // Asked before the group is read, whose reading discards the printer's document.
    const PrintFont printerFont = printer_.font();
    const BandValues stored = readBand(band_, store_, printer_);
    font_ = ChosenFont{usableFont(stored.Font, printerFont), stored.Color};
    txtContext->setText(stored.Text);
    // Selecting a button runs its click handler.
    optAlignment[shownCode(stored.Alignment)]->setChecked(true);
    optSetting[shownCode(stored.Style)]->setChecked(true);
    settingGroup_->checkedButton()->setFocus();
    txtSpacing->setText(NumberText(stored.Spacing));

    TabStrip1_Click(TabStrip1->selectedKey());
}

void BandDialog::optSetting_Click(int index)
{
    txtContext->setEnabled(index == 2);
    style_ = index;
}

void BandDialog::optAlignment_Click(int index)
{
    alignment_ = index;
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
    chooseFont(font_);
}

void BandDialog::cmdOk_Click()
{
    const PrintKeys::BandKeys& keys = keysOf(band_).Band;
    writeFontGroup(keys.Font, keys.Color, font_);
    writeSetting(keys.Text, txtContext->text());
    writeSetting(keys.Alignment, QString::number(alignment_));
    writeSetting(keys.Style, QString::number(style_));
    writeSetting(keys.Spacing, NumberText(static_cast<float>(NumericValue(txtSpacing->text()))));
    accept();
}

} // namespace quenbrook
