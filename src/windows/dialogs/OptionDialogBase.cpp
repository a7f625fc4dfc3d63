// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/dialogs/OptionDialogBase.h"

#include "core/album/PageSurface.h"
#include "core/album/PainterSurface.h"
#include "core/album/PrintSettingsLoader.h"
#include "core/program/PrintSettingsKeys.h"
#include "core/settings/NumberRules.h"
#include "core/settings/SettingsStore.h"
#include "windows/dialogs/TabStrip.h"

#include <QFontInfo>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include <utility>

namespace quenbrook {
namespace {

bool drawableSize(double points)
{
    return points > 0 && points <= PainterSurface::MaxFontPoints; // false for NaN too
}

} // namespace

OptionDialogBase::OptionDialogBase(QWidget* owner, SettingsStore& store, PageSurface& printer,
                                   const QString& formName, const QString& caption,
                                   QSize innerTwips, Placement placement, FontChooser fontChooser)
    : QDialog(owner)
    , store_(store)
    , printer_(printer)
    , fontChooser_(std::move(fontChooser))
    , innerTwips_(innerTwips)
    , placement_(placement)
{
    setObjectName(formName);
    setWindowTitle(caption);
    // A tool window has no minimise or maximise button and no task bar entry.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setModal(true);
}

OptionDialogBase::~OptionDialogBase() = default;

void OptionDialogBase::writeSetting(const QString& key, const QString& value)
{
    store_.SaveSetting(PrintKeys::Application, PrintKeys::Section, key, value);
}

void OptionDialogBase::showMessage(const QString& text, MessageIcon icon)
{
    message_(this, text, icon);
}

void OptionDialogBase::layOutControls()
{
    layout_.apply(*this, innerTwips_);
}

QLabel* OptionDialogBase::addPicture(QWidget* parent, const QString& name, const QString& picture,
                                     QRect design)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    layout_.addPicture(label, QStringLiteral(":/dialogs/") + picture, design);
    return label;
}

void OptionDialogBase::addTabStrip(QRect design)
{
    TabStrip1 = new TabStrip(this);
    TabStrip1->setObjectName(QStringLiteral("TabStrip1"));
    stripTwips_ = design;
    connect(TabStrip1, &TabStrip::clicked, this, &OptionDialogBase::TabStrip1_Click);
}

QFrame* OptionDialogBase::addPage(const QString& caption, const QString& key,
                                  const QString& frameName, QRect design)
{
    TabStrip1->addTab(caption, key);
    if (pages_.isEmpty())
        layout_.addTabStrip(TabStrip1, stripTwips_, design.top());
    auto* frame = place(new QFrame(this), frameName, design);
    frame->setFrameShape(QFrame::NoFrame);
    frame->setVisible(pages_.isEmpty());
    pages_.append({key, frame});
    return frame;
}

void OptionDialogBase::TabStrip1_Click(const QString& key)
{
    QFrame* chosen = nullptr;
    for (const auto& [pageKey, frame] : std::as_const(pages_)) {
        if (pageKey == key)
            chosen = frame;
    }
    if (!chosen)
        return;
    for (const auto& page : std::as_const(pages_))
        page.second->setVisible(page.second == chosen);
    chosen->raise();
}

void OptionDialogBase::addOkCancel(QRect ok, QRect cancel)
{
    cmdOk = place(new QPushButton(tr("Ok"), this), QStringLiteral("cmdOk"), ok);
    cmdOk->setDefault(true);
    cmdCancel = place(new QPushButton(tr("Cancel"), this), QStringLiteral("cmdCancel"), cancel);
    connect(cmdOk, &QPushButton::clicked, this, [this] { cmdOk_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, &OptionDialogBase::cmdCancel_Click);
}

void OptionDialogBase::cmdCancel_Click()
{
    reject();
}

void OptionDialogBase::setFocusOrder(std::initializer_list<QWidget*> controls)
{
    if (controls.size() > 0)
        (*controls.begin())->setFocus();
    QWidget* previous = nullptr;
    for (QWidget* control : controls) {
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

PrintUnit OptionDialogBase::readUnit() const
{
    return UnitFromScaleText(store_.GetSetting(PrintKeys::Application, PrintKeys::Section,
                                               AlbumSettings::Scale.Key,
                                               ScaleText(AlbumSettings::Scale.Default)));
}

QString OptionDialogBase::unitCaption(PrintUnit unit)
{
    // The stored words, "Inch" and "CM", in the user's language.
    return unit == PrintUnit::Inch ? tr("Inch") : tr("CM");
}

PrintFont OptionDialogBase::usableFont(PrintFont stored, const PrintFont& printerFont)
{
    if (!IsKnownFamily(stored.Name))
        stored.Name = printerFont.Name;
    if (!drawableSize(stored.Size)) {
        stored.Size = drawableSize(printerFont.Size) ? printerFont.Size
                                                     : QFontInfo(QFont(stored.Name)).pointSizeF();
    }
    return stored;
}

void OptionDialogBase::chooseFont(PrintFont& font, PrintColor& color)
{
    if (!fontChooser_)
        return;
    if (const std::optional<ChosenFont> chosen = fontChooser_(this, ChosenFont{font, color})) {
        font = chosen->Font;
        color = chosen->Color;
    }
}

void OptionDialogBase::showEvent(QShowEvent* event)
{
    // QDialog centres itself on its owner; the window manager places the others.
    if (placement_ == Placement::CenteredOnOwner)
        QDialog::showEvent(event);
    else
        QWidget::showEvent(event);
}

} // namespace quenbrook
