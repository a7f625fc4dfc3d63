// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/startup/MainWindows.h"

#include "core/settings/SettingsStore.h"
#include "print/PrinterSurface.h"
#include "print/Printers.h"
#include "windows/about/frmAbout.h"
#include "windows/albumprinter/frmAlbumPrinter.h"
#include "windows/albumviewer/frmAlbumViewer.h"
#include "windows/imageviewer/frmImageViewer.h"
#include "windows/preview/frmPreview.h"
#include "windows/printing/RunPrintJob.h"

namespace quenbrook {

MainWindows::MainWindows(SettingsStore& store, Printers& printers, QObject* parent)
    : QObject(parent)
    , services_{store, printers}
{
    services_.ending.setOtherWindowVisible(
        [this](const QWidget& window) { return otherMainWindowVisible(window); });
}

MainWindows::~MainWindows()
{
    for (const QPointer<frmImageViewer>& viewer : std::as_const(imageViewers_))
        delete viewer.data();
}

frmAlbumViewer& MainWindows::AlbumViewer()
{
    if (!albumViewer_) {
        albumViewer_ = std::make_unique<frmAlbumViewer>(services_);
        wireAlbumViewer();
    }
    return *albumViewer_;
}

frmAlbumPrinter& MainWindows::AlbumPrinter()
{
    if (!albumPrinter_) {
        printer_ = services_.printers.open(services_.printers.defaultName());
        albumPrinter_ = std::make_unique<frmAlbumPrinter>(services_, *printer_);
        wireAlbumPrinter();
    }
    return *albumPrinter_;
}

bool MainWindows::isAlbumViewerVisible() const
{
    return albumViewer_ && albumViewer_->isVisible();
}

bool MainWindows::isAlbumPrinterVisible() const
{
    return albumPrinter_ && albumPrinter_->isVisible();
}

void MainWindows::ShowAlbumViewer()
{
    frmAlbumViewer& window = AlbumViewer();
    window.show();
    window.raise();
    window.activateWindow();
}

void MainWindows::ShowAlbumPrinter()
{
    frmAlbumPrinter& window = AlbumPrinter();
    window.show();
    window.raise();
    window.activateWindow();
}

frmImageViewer* MainWindows::OpenImageViewer(const QString& path)
{
    auto* viewer = new frmImageViewer;
    viewer->setMessageFunction(services_.message);
    viewer->setPictureLoad(services_.loadPicture);
    imageViewers_ << viewer;
    viewer->show();
    viewer->LoadImage(path);
    return viewer;
}

QList<frmImageViewer*> MainWindows::ImageViewers() const
{
    QList<frmImageViewer*> open;
    for (const QPointer<frmImageViewer>& viewer : imageViewers_) {
        if (viewer && viewer->isVisible())
            open << viewer.data();
    }
    return open;
}

void MainWindows::EndProgram()
{
    services_.ending.endProgram();
}

bool MainWindows::otherMainWindowVisible(const QWidget& window) const
{
    const QWidget* windows[] = {albumPrinter_.get(), albumViewer_.get()};
    for (const QWidget* other : windows) {
        if (other && other != &window && other->isVisible())
            return true;
    }
    return false;
}

void MainWindows::wireAlbumPrinter()
{
    frmAlbumPrinter& window = *albumPrinter_;
    connect(&window, &frmAlbumPrinter::printRequested, this, [this] {
        RunPrintJob(albumPrinter_.get(), albumPrinter_->PrintList(), albumPrinter_->Settings(),
                    *printer_, ShowPrintDialog, services_.message);
    });
    connect(&window, &frmAlbumPrinter::previewRequested, this, [this] {
        frmPreview::Open(albumPrinter_.get(), albumPrinter_->PrintList(), albumPrinter_->Settings(),
                         *printer_, services_.store, services_.message);
    });
    connect(&window, &frmAlbumPrinter::viewFileRequested, this,
            [this](const QString& path) { OpenImageViewer(path); });
    connect(&window, &frmAlbumPrinter::aboutRequested, this,
            [this] { showAbout(albumPrinter_.get()); });
    connect(&window, &frmAlbumPrinter::albumViewerRequested, this, [this] { ShowAlbumViewer(); });
}

void MainWindows::wireAlbumViewer()
{
    frmAlbumViewer& window = *albumViewer_;
    connect(&window, &frmAlbumViewer::albumPrinterRequested, this, [this] { ShowAlbumPrinter(); });
    // The print list grows even while the Album Printer is hidden.
    connect(&window, &frmAlbumViewer::addToPrintListRequested, this,
            [this](const QString& path) { AlbumPrinter().AddToPrintList(path); });
    connect(&window, &frmAlbumViewer::viewFileRequested, this,
            [this](const QString& path) { OpenImageViewer(path); });
    connect(&window, &frmAlbumViewer::aboutRequested, this,
            [this] { showAbout(albumViewer_.get()); });
}

void MainWindows::showAbout(QWidget* owner)
{
    frmAbout about(owner);
    about.setMessageFunction(services_.message);
    services_.runDialog(about);
}

} // namespace quenbrook
