#include "windows/startup/MainWindows.h"

#include "core/settings/SettingsStore.h"
#include "print/PrinterSurface.h"
#include "print/Printers.h"
#include "windows/about/frmAbout.h"
#include "windows/albumprinter/frmAlbumPrinter.h"
#include "windows/albumviewer/frmAlbumViewer.h"
#include "windows/dialogs/OptionDialogs.h"
#include "windows/imageviewer/frmImageViewer.h"
#include "windows/preview/frmPreview.h"
#include "windows/printing/RunPrintJob.h"

namespace quenbrook {

MainWindows::MainWindows(SettingsStore& store, Printers& printers, QObject* parent)
    : QObject(parent)
    , store_(store)
    , printers_(printers)
{}

MainWindows::~MainWindows()
{
    for (const QPointer<frmImageViewer>& viewer : std::as_const(imageViewers_))
        delete viewer.data();
}

frmAlbumViewer& MainWindows::AlbumViewer()
{
    if (!albumViewer_) {
        albumViewer_ = std::make_unique<frmAlbumViewer>(store_, printers_);
        wireAlbumViewer();
    }
    return *albumViewer_;
}

frmAlbumPrinter& MainWindows::AlbumPrinter()
{
    if (!albumPrinter_) {
        printer_ = printers_.open(printers_.defaultName());
        albumPrinter_ = std::make_unique<frmAlbumPrinter>(store_, printers_, *printer_);
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
    viewer->setMessageFunction(showMessage_);
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

void MainWindows::setEndProgram(std::function<void()> endProgram)
{
    ending_.setEndProgram(std::move(endProgram));
}

void MainWindows::EndProgram()
{
    ending_.endProgram();
}

void MainWindows::setMessageFunction(MessageFunction show)
{
    showMessage_ = std::move(show);
    if (albumViewer_)
        albumViewer_->setMessageFunction(showMessage_);
}

void MainWindows::wireAlbumPrinter()
{
    frmAlbumPrinter& window = *albumPrinter_;
    window.setOtherWindowVisible([this] { return isAlbumViewerVisible(); });
    window.setEndProgram([this] { EndProgram(); });
    window.setOptionDialogRunner([this](OptionDialog which, QWidget* owner) {
        RunOptionDialog(which, owner, store_, *printer_);
    });
    connect(&window, &frmAlbumPrinter::printRequested, this, [this] {
        RunPrintJob(albumPrinter_.get(), albumPrinter_->PrintList(), albumPrinter_->Settings(),
                    *printer_);
    });
    connect(&window, &frmAlbumPrinter::previewRequested, this, [this] {
        frmPreview::Open(albumPrinter_.get(), albumPrinter_->PrintList(), albumPrinter_->Settings(),
                         *printer_, store_);
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
    window.setOtherWindowVisible([this] { return isAlbumPrinterVisible(); });
    window.setEndProgram([this] { EndProgram(); });
    window.setMessageFunction(showMessage_);
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
    about.exec();
}

} // namespace quenbrook
