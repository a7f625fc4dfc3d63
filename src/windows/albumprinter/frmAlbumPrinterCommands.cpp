// SPDX-License-Identifier: GPL-2.0-or-later
// The commands of the Album Printer window: filling and ordering the print list from the file
// pane, the options, the printer setup, and files dropped on the window.
#include "windows/albumprinter/frmAlbumPrinter.h"

#include "core/geometry/FilePaneRules.h"
#include "core/geometry/PrintListRules.h"
#include "core/program/AlbumPrinterKeys.h"
#include "core/program/PrintSettingsKeys.h"
#include "core/program/ProgramKeys.h"
#include "print/PrinterSurface.h"
#include "print/Printers.h"
#include "windows/common/FilePane.h"
#include "windows/common/WindowServices.h"
#include "windows/dialogs/OptionDialogs.h"
#include "windows/dialogs/PrinterSetupDialog.h"

#include <QDropEvent>
#include <QListWidget>

namespace quenbrook {

void frmAlbumPrinter::AddToPrintList(const QString& path)
{
    lstAlbumList->addItem(path);
}

QStringList frmAlbumPrinter::PrintList() const
{
    QStringList entries;
    for (int i = 0; i < lstAlbumList->count(); ++i)
        entries.append(lstAlbumList->item(i)->text());
    return entries;
}

int frmAlbumPrinter::selectedEntry() const
{
    const QList<QListWidgetItem*> selected = lstAlbumList->selectedItems();
    return selected.isEmpty() ? -1 : lstAlbumList->row(selected.first());
}

void frmAlbumPrinter::cmdAdd_Click()
{
    const QString name = File1->selectedFileName();
    if (!name.isEmpty())
        AddToPrintList(FolderAndFile(File1->path(), name));
}

void frmAlbumPrinter::cmdAddAll_Click()
{
    for (const QString& name : File1->fileNames())
        AddToPrintList(FolderAndFile(File1->path(), name));
}

void frmAlbumPrinter::File1_DblClick(QListWidgetItem* item)
{
    AddToPrintList(FolderAndFile(File1->path(), item->text()));
}

void frmAlbumPrinter::cmdRemove_Click()
{
    const int i = selectedEntry();
    if (i < 0)
        return;
    delete lstAlbumList->takeItem(i);
    lstAlbumList->setToolTip(QString());
}

void frmAlbumPrinter::cmdRemoveAll_Click()
{
    lstAlbumList->clear();
    lstAlbumList->setToolTip(QString());
}

// An entry moves by inserting a copy of its neighbour on its other side and removing the
// neighbour; the selection shifts with the moved entry.
void frmAlbumPrinter::cmdUp_Click()
{
    const int i = selectedEntry();
    if (i < 1)
        return;
    lstAlbumList->insertItem(i + 1, lstAlbumList->item(i - 1)->text());
    delete lstAlbumList->takeItem(i - 1);
}

void frmAlbumPrinter::cmdDown_Click()
{
    const int i = selectedEntry();
    if (i < 0 || i >= lstAlbumList->count() - 1)
        return;
    lstAlbumList->insertItem(i, lstAlbumList->item(i + 1)->text());
    delete lstAlbumList->takeItem(i + 2);
}

void frmAlbumPrinter::lstAlbumList_Click()
{
    const int i = selectedEntry();
    lstAlbumList->setToolTip(i < 0 ? QString() : lstAlbumList->item(i)->text());
}

void frmAlbumPrinter::File1_ViewFile()
{
    const QString name = File1->selectedFileName();
    if (!name.isEmpty())
        emit viewFileRequested(FolderAndFile(File1->path(), name).trimmed());
}

void frmAlbumPrinter::lstAlbumList_ViewFile()
{
    const int i = selectedEntry();
    if (i >= 0)
        emit viewFileRequested(lstAlbumList->item(i)->text().trimmed());
}

void frmAlbumPrinter::Toolbar_ImageViewer()
{
    const QWidget* focused = focusWidget();
    if (focused == File1)
        File1_ViewFile();
    else if (focused == lstAlbumList)
        lstAlbumList_ViewFile();
}

void frmAlbumPrinter::mnuPreview_Click()
{
    if (lstAlbumList->count() > 0)
        emit previewRequested();
}

// The printer, paper and orientation chosen become those of the window's printer, which the
// layout, the preview and printing share. With no printer to offer there is nothing to show.
void frmAlbumPrinter::mnuPrinterSetup_Click()
{
    printer_.killDoc();
    if (services_.printers.count() == 0)
        return;
    PrinterSetupDialog dialog(this, services_.printers, printer_);
    services_.runDialog(dialog);
}

void frmAlbumPrinter::mnuScale_Click(PrintUnit unit)
{
    loader_.SetUnit(settings_, unit);
    updateActions();
}

void frmAlbumPrinter::mnuCenter_Click()
{
    loader_.ToggleCenter(settings_);
    updateActions();
}

void frmAlbumPrinter::mnuPictureResolution_Click(qint32 pixelsPerInch)
{
    loader_.SetPictureResolution(settings_, pixelsPerInch);
    updateActions();
}

void frmAlbumPrinter::mnuOptionDialog_Click(OptionDialog dialog)
{
    RunOptionDialog(dialog, this, services_, printer_);
    // Whatever closed the dialog, its group comes back from the store.
    switch (dialog) {
    case OptionDialog::Label:
        loader_.ReloadLabelGroup(settings_);
        break;
    case OptionDialog::PrintSize:
        loader_.ReloadPictureDistances(settings_);
        break;
    case OptionDialog::Header:
        settings_.Header = loader_.ReadBand(AlbumSettings::Header);
        break;
    case OptionDialog::Footer:
        settings_.Footer = loader_.ReadBand(AlbumSettings::Footer);
        break;
    }
}

void frmAlbumPrinter::OLEDragOver(QDragMoveEvent* event)
{
    const QMimeData* data = event->mimeData();
    if (data && !DroppedPictureFiles(*data).isEmpty()) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->setDropAction(Qt::IgnoreAction);
        event->ignore();
    }
}

void frmAlbumPrinter::OLEDragDrop(QDropEvent* event)
{
    const QMimeData* data = event->mimeData();
    const QStringList pictures = data ? DroppedPictureFiles(*data) : QStringList();
    for (const QString& path : pictures)
        AddToPrintList(path);
    if (pictures.isEmpty()) {
        event->setDropAction(Qt::IgnoreAction);
        event->ignore();
    } else {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    }
}

} // namespace quenbrook
