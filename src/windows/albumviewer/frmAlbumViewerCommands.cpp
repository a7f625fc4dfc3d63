// SPDX-License-Identifier: GPL-2.0-or-later
// The commands of the Album Viewer window: the toolbar, navigation through the file list,
// choosing a slot with the mouse, dragging its picture out, and the commands
// on the chosen slot.
#include "windows/albumviewer/frmAlbumViewer.h"

#include "core/geometry/FilePaneRules.h"
#include "core/program/ProgramMessages.h"
#include "print/Printers.h"
#include "windows/common/FilePane.h"
#include "windows/common/WindowServices.h"

#include <QAction>
#include <QApplication>
#include <QDrag>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>

#include <algorithm>

namespace quenbrook {

using namespace AlbumViewerLayout;

void frmAlbumViewer::Toolbar_ButtonClick(const QString& key)
{
    const std::optional<ToolbarButton> button = ToolbarButtonOf(key);
    if (!button)
        return;
    switch (*button) {
    case ToolbarButton::AlbumPrinter:
        mnuFileAlbumPrinter_Click();
        break;
    case ToolbarButton::Bitmap:
    case ToolbarButton::Gif:
    case ToolbarButton::Jpeg:
    case ToolbarButton::Icon:
        // The file pane follows its filter buttons; the slots stay as they are.
        break;
    case ToolbarButton::First:
    case ToolbarButton::Prev4:
    case ToolbarButton::Prev:
    case ToolbarButton::Next:
    case ToolbarButton::Next4:
    case ToolbarButton::Last:
        Navigate(*button);
        break;
    case ToolbarButton::AddToList:
        AddSlotToPrintList(CurrentSlot_);
        break;
    case ToolbarButton::ImageViewer:
        mnupopupViewFile_Click();
        break;
    case ToolbarButton::Information:
        mnuPopupInformation_Click();
        break;
    }
}

void frmAlbumViewer::Navigate(ToolbarButton button)
{
    const std::optional<int> target = NavigationTarget(File1_->count(), selectedIndex(), button);
    if (!target)
        return;
    {
        // The slots are filled once, below, not again by the list's own signal.
        const QSignalBlocker quiet(File1_);
        File1_->setCurrentRow(*target, QItemSelectionModel::ClearAndSelect);
    }
    File1_->scrollToItem(File1_->item(*target));
    File1_Click();
}

void frmAlbumViewer::mnuFileAlbumPrinter_Click()
{
    if (services_.printers.count() == 0) {
        services_.message(this, ProgramMessages::OnlyAlbumViewer(), MessageIcon::Information);
        return;
    }
    emit albumPrinterRequested();
}

void frmAlbumViewer::AddSlotToPrintList(int slot)
{
    if (slot < 0 || slot >= SlotCount || !slots_[slot].Loaded)
        return;
    emit addToPrintListRequested(slots_[slot].File.trimmed());
}

void frmAlbumViewer::mnuPopupAddtoAlbumPrintList_Click()
{
    AddSlotToPrintList(CurrentSlot_);
}

void frmAlbumViewer::mnuPopupInformation_Click()
{
    const Slot& s = slots_[CurrentSlot_];
    if (!s.Loaded)
        return;
    services_.message(this, InformationText(s.File, s.Size, s.Width, s.Height),
                      MessageIcon::Information);
}

void frmAlbumViewer::mnupopupViewFile_Click()
{
    const Slot& s = slots_[CurrentSlot_];
    if (s.Loaded)
        emit viewFileRequested(s.File.trimmed());
}

// Hides every highlight; a loaded slot then becomes the current one and shows its own.
void frmAlbumViewer::selectSlot(int slot)
{
    for (QWidget* focus : shpFocus_)
        focus->hide();
    if (!slots_[slot].Loaded)
        return;
    shpFocus_[slot]->show();
    CurrentSlot_ = slot;
}

void frmAlbumViewer::picViewer_Click(int slot)
{
    selectSlot(slot);
}

void frmAlbumViewer::picViewer_RightDown(int slot, const QPoint& globalPos)
{
    selectSlot(slot);
    if (slots_[slot].Loaded)
        mnuPopup_->popup(globalPos);
}

void frmAlbumViewer::picViewer_OLEStartDrag(int slot)
{
    auto* drag = new QDrag(picViewer_[slot]);
    drag->setMimeData(FileDragData(slots_[slot].File).release());
    const QImage& drawn = picViewer_[slot]->image();
    if (!drawn.isNull())
        drag->setPixmap(QPixmap::fromImage(
            drawn.scaled(64, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    // The drag is Qt's from here: a program the picture was dropped on reads it after exec().
    drag->exec(Qt::CopyAction);
}

bool frmAlbumViewer::eventFilter(QObject* watched, QEvent* event)
{
    const auto found = std::find(picViewer_.begin(), picViewer_.end(), watched);
    if (found == picViewer_.end())
        return QMainWindow::eventFilter(watched, event);
    const auto slot = int(found - picViewer_.begin());

    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->buttons() == Qt::RightButton) {
            picViewer_RightDown(slot, mouse->globalPosition().toPoint());
        } else if (mouse->buttons() == Qt::LeftButton) {
            pressedSlot_ = slot;
            pressedAt_ = mouse->position().toPoint();
        }
        return true;
    }
    case QEvent::MouseMove: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (pressedSlot_ == slot && mouse->buttons() == Qt::LeftButton && slots_[slot].Loaded &&
            (mouse->position().toPoint() - pressedAt_).manhattanLength() >=
                QApplication::startDragDistance()) {
            pressedSlot_ = -1;
            picViewer_OLEStartDrag(slot);
        }
        return true;
    }
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const bool click = pressedSlot_ == slot && mouse->button() == Qt::LeftButton &&
                           picViewer_[slot]->rect().contains(mouse->position().toPoint());
        pressedSlot_ = -1;
        if (click)
            picViewer_Click(slot);
        return true;
    }
    default:
        return QMainWindow::eventFilter(watched, event);
    }
}

} // namespace quenbrook
