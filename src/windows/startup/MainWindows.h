// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "windows/common/WindowServices.h"

#include <QList>
#include <QObject>
#include <QPointer>

#include <memory>

namespace quenbrook {

class frmAlbumPrinter;
class frmAlbumViewer;
class frmImageViewer;
class PrinterSurface;
class Printers;
class SettingsStore;

// The program's windows: the Album Viewer and the Album Printer, each made once on first use and
// kept, hidden or shown, until the program ends; an Image Viewer made anew for every picture.
// Gives every window the same services and wires each window's requests to the others.
class MainWindows : public QObject
{
    Q_OBJECT
public:
    MainWindows(SettingsStore& store, Printers& printers, QObject* parent = nullptr);
    ~MainWindows() override;

    // Made hidden when not there yet.
    frmAlbumViewer& AlbumViewer();
    frmAlbumPrinter& AlbumPrinter();
    bool isAlbumViewerVisible() const;
    bool isAlbumPrinterVisible() const;
    void ShowAlbumViewer();
    void ShowAlbumPrinter();

    // A new Image Viewer showing the file; it closes itself when the file cannot be loaded.
    frmImageViewer* OpenImageViewer(const QString& path);
    QList<frmImageViewer*> ImageViewers() const;

    // What the windows are given. Its message function and ending may be replaced (tests do),
    // and windows already made follow.
    WindowServices& Services() { return services_; }
    // Ends the program at once, no other window's closing steps running.
    void EndProgram();

private:
    void wireAlbumPrinter();
    void wireAlbumViewer();
    void showAbout(QWidget* owner);
    bool otherMainWindowVisible(const QWidget& window) const;

    WindowServices services_;
    // Declared before the windows, which print on it, so it outlives them.
    std::unique_ptr<PrinterSurface> printer_;
    std::unique_ptr<frmAlbumPrinter> albumPrinter_;
    std::unique_ptr<frmAlbumViewer> albumViewer_;
    QList<QPointer<frmImageViewer>> imageViewers_;
};

} // namespace quenbrook
