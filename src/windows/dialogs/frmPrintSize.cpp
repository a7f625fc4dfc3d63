// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/dialogs/frmPrintSize.h"

#include "core/album/PageSurface.h"
#include "core/album/PrintSettingsLoader.h"
#include "core/settings/NumberRules.h"
#include "windows/common/BusyCursor.h"
#include "windows/dialogs/TabStrip.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>

#include <algorithm>
#include <cmath>

namespace quenbrook {
namespace {

// A box's text, as the fit test and the store take it.
double valueOf(const QLineEdit* box)
{
    return NumericValue(box->text());
}

void reformat(QLineEdit* box)
{
    box->setText(NumberText(NumericValue(box->text())));
}

} // namespace

frmPrintSize::frmPrintSize(QWidget* owner, SettingsStore& store, PageSurface& printer)
    : OptionDialogBase(owner, store, printer, QStringLiteral("frmPrintSize"), tr("Set Print Size"),
                       QSize(5412, 3732), Placement::CenteredOnOwner)
{
    addTabStrip(twips(120, 120, 5172, 2892));

    QFrame* fraSize = addPage(tr("Picture Size"), QStringLiteral("Size"), QStringLiteral("fraSize"),
                              twips(240, 480, 4932, 2292));
    addPicture(fraSize, QStringLiteral("Image1"), QStringLiteral("size-height.svg"),
               twips(120, 60, 960, 720));
    txtPictureSizeY =
        addNumberBox(fraSize, &PrintSettings::PictureMaxHeight, QStringLiteral("txtPictureSizeY"),
                     tr("Picture Height"), twips(1200, 240, 1560, 372));
    addPicture(fraSize, QStringLiteral("Image2"), QStringLiteral("size-width.svg"),
               twips(120, 900, 960, 720));
    txtPictureSizeX =
        addNumberBox(fraSize, &PrintSettings::PictureMaxWidth, QStringLiteral("txtPictureSizeX"),
                     tr("Picture Width"), twips(1200, 1080, 1560, 372));

    QFrame* fraPicSpac = addPage(tr("Picture Spacing"), QStringLiteral("PicSpac"),
                                 QStringLiteral("fraPicSpac"), twips(240, 480, 4932, 2292));
    addPicture(fraPicSpac, QStringLiteral("Image3"), QStringLiteral("spacing-x.svg"),
               twips(120, 180, 1200, 720));
    txtPictureSpacingX = addNumberBox(fraPicSpac, &PrintSettings::PictureSpacingX,
                                      QStringLiteral("txtPictureSpacingX"),
                                      tr("Horizontal Spacing"), twips(1440, 360, 1575, 375));
    addPicture(fraPicSpac, QStringLiteral("Image4"), QStringLiteral("spacing-y.svg"),
               twips(120, 1260, 1200, 720));
    txtPictureSpacingY = addNumberBox(fraPicSpac, &PrintSettings::PictureSpacingY,
                                      QStringLiteral("txtPictureSpacingY"), tr("Vertical Spacing"),
                                      twips(1440, 1440, 1575, 375));

    QFrame* fraPicLabel = addPage(tr("Picture/Label Spacing"), QStringLiteral("PicLabel"),
                                  QStringLiteral("fraPicLabel"), twips(240, 480, 4932, 2292));
    addPicture(fraPicLabel, QStringLiteral("Image5"), QStringLiteral("label-spacing.svg"),
               twips(120, 60, 960, 960));
    txtPictureLabelSpacing = addNumberBox(fraPicLabel, &PrintSettings::PictureLabelSpacingY,
                                          QStringLiteral("txtPictureLabelSpacing"),
                                          tr("Picture/Label Spacing"), twips(1200, 360, 1575, 375));

    place(new QLabel(tr("Unit :"), this), QStringLiteral("Label3"), twips(240, 3240, 372, 192));
    lblUnit = place(new QLabel(this), QStringLiteral("lblUnit"), twips(960, 3120, 1572, 372));
    lblUnit->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    addOkCancel(twips(3240, 3120, 855, 495), twips(4440, 3120, 855, 495));

    setFocusOrder({txtPictureSizeY, txtPictureSizeX, txtPictureSpacingX, txtPictureSpacingY,
                   txtPictureLabelSpacing, cmdOk, cmdCancel, TabStrip1->tabBar()});
    Form_Load();
    layOutControls();
}

QLineEdit* frmPrintSize::addNumberBox(QWidget* frame, float PrintSettings::*distance,
                                      const QString& name, const QString& spoken, QRect design)
{
    auto* box = place(new QLineEdit(frame), name, design);
    boxes_.append({distance, box});
    box->setAccessibleName(spoken);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    box->installEventFilter(this);
    return box;
}

void frmPrintSize::Form_Load()
{
    unit_ = readUnit();
    lblUnit->setText(unitCaption(unit_));

    // The store's values, read by the same rules as the print settings.
    PrintSettings stored;
    PrintSettingsLoader(store_, printer_).ReloadPictureDistances(stored);
    for (const auto& [distance, box] : std::as_const(boxes_))
        box->setText(NumberTextNoLeadingZero(stored.*distance));

    TabStrip1_Click(TabStrip1->selectedKey());
}

bool frmPrintSize::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        if (watched == txtPictureSizeX)
            txtPictureSizeX_LostFocus();
        else if (watched == txtPictureSizeY)
            txtPictureSizeY_LostFocus();
        else if (watched == txtPictureSpacingX)
            txtPictureSpacingX_LostFocus();
        else if (watched == txtPictureSpacingY)
            txtPictureSpacingY_LostFocus();
        else if (watched == txtPictureLabelSpacing)
            txtPictureLabelSpacing_LostFocus();
    }
    return OptionDialogBase::eventFilter(watched, event);
}

void frmPrintSize::txtPictureSizeX_LostFocus()
{
    reformat(txtPictureSizeX);
}

void frmPrintSize::txtPictureSizeY_LostFocus()
{
    reformat(txtPictureSizeY);
}

void frmPrintSize::txtPictureSpacingX_LostFocus()
{
    reformat(txtPictureSpacingX);
}

void frmPrintSize::txtPictureSpacingY_LostFocus()
{
    reformat(txtPictureSpacingY);
}

void frmPrintSize::txtPictureLabelSpacing_LostFocus()
{
    reformat(txtPictureLabelSpacing);
}

void frmPrintSize::cmdOk_Click()
{
    float paperWidth = 0;
    float paperHeight = 0;
    QString problem;
    {
        const BusyCursor busy;
        paperWidth = printer_.drawableWidth(unit_);
        paperHeight = printer_.drawableHeight(unit_);
        problem = printer_.error();
        printer_.killDoc();
    }
    // Without a usable printer there is no paper to measure against: nothing is saved.
    if (!problem.isEmpty()) {
        showMessage(problem, MessageIcon::Critical);
        return;
    }

    PrintSettings typed;
    for (const auto& [distance, box] : std::as_const(boxes_))
        typed.*distance = static_cast<float>(valueOf(box));
    // A number beyond the single range fits no paper, whatever its sign.
    const bool finite = std::all_of(boxes_.cbegin(), boxes_.cend(), [&](const auto& entry) {
        return std::isfinite(typed.*entry.first);
    });
    const auto width = static_cast<float>(valueOf(txtPictureSizeX) + valueOf(txtPictureSpacingX));
    const auto height = static_cast<float>(valueOf(txtPictureSizeY) + valueOf(txtPictureSpacingY) +
                                           valueOf(txtPictureLabelSpacing));
    const bool fits = finite && std::isfinite(width) && std::isfinite(height) &&
                      paperWidth >= width && paperHeight >= height;
    if (!fits) {
        const QString unit = lblUnit->text();
        showMessage(tr("Picture size larger than paper size!!") + QStringLiteral("\r\n") +
                        tr("The paper size is ") + NumberText(paperWidth) + unit +
                        QStringLiteral(" * ") + NumberText(paperHeight) + unit +
                        QStringLiteral("."),
                    MessageIcon::Critical);
        return;
    }

    ForEachPictureDistance(typed, settingWriter());
    accept();
}

} // namespace quenbrook
