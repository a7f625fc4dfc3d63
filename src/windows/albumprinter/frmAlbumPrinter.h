// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/album/PrintSettings.h"
#include "core/album/PrintSettingsLoader.h"
#include "core/geometry/AlbumPrinterLayout.h"
#include "windows/common/MainWindowFrame.h"
#include "windows/dialogs/OptionDialog.h"

#include <QMainWindow>
#include <QRectF>
#include <QStringList>

class QAction;
class QDragMoveEvent;
class QDropEvent;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QPushButton;
class QToolBar;

namespace quenbrook {

class FileList;
class HeaderStrip;
class PrinterSurface;
class SplitterGrip;
struct WindowServices;

// The Album Printer: a file pane on the left, the print list on the right, a splitter between
// them, and the commands that fill the list, set the print options, preview and print.
class frmAlbumPrinter : public QMainWindow
{
    Q_OBJECT
public:
    // The window lays out and prints on `printer`; both outlive it.
    frmAlbumPrinter(const WindowServices& services, PrinterSurface& printer,
                    QWidget* parent = nullptr);
    ~frmAlbumPrinter() override;

    // Appends one entry, the text as given, at the end of the print list.
    void AddToPrintList(const QString& path);
    QStringList PrintList() const;
    const PrintSettings& Settings() const { return settings_; }

signals:
    void previewRequested();
    void printRequested();
    void aboutRequested();
    void albumViewerRequested();
    void viewFileRequested(const QString& path);

protected:
    // Every settings write of the window (placement, "Start") passes here.
    virtual void writeSetting(const QString& section, const QString& key, const QString& value);

    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void createToolbar(QWidget* client);
    void createLists(QWidget* client);
    void createActions();
    void createToolbarActions();
    void createOptionActions();
    void createMenus();
    void updateActions();
    QAction* command(const QString& name, const QString& text);
    QAction* toolbarAction(const QString& key, const QString& text, const QString& tooltip);

    // Commands (frmAlbumPrinterCommands.cpp).
    void cmdAdd_Click();
    void cmdAddAll_Click();
    void File1_DblClick(QListWidgetItem* item);
    void cmdRemove_Click();
    void cmdRemoveAll_Click();
    void cmdUp_Click();
    void cmdDown_Click();
    void lstAlbumList_Click();
    void File1_ViewFile();
    void lstAlbumList_ViewFile();
    void Toolbar_ImageViewer();
    void mnuPreview_Click();
    void mnuPrinterSetup_Click();
    void mnuScale_Click(PrintUnit unit);
    void mnuCenter_Click();
    void mnuPictureResolution_Click(qint32 pixelsPerInch);
    void mnuOptionDialog_Click(OptionDialog dialog);
    void OLEDragOver(QDragMoveEvent* event);
    void OLEDragDrop(QDropEvent* event);
    int selectedEntry() const;

    // Placement and splitter (frmAlbumPrinterPlacement.cpp).
    void PlaceOnLoad();
    void LayOut();
    void completeLayout();
    void imgSplitter_MouseDown();
    void imgSplitter_MouseMove(int x);
    void imgSplitter_MouseUp();
    void showBar();

    const WindowServices& services_;
    PrinterSurface& printer_;
    PrintSettings settings_;
    PrintSettingsLoader loader_;
    MainWindowFrame frame_;

    QToolBar* Toolbar = nullptr;
    HeaderStrip* stsbarHeader = nullptr;
    FileList* File1 = nullptr;
    QPushButton* cmdAddAll = nullptr;
    QPushButton* cmdAdd = nullptr;
    SplitterGrip* imgSplitter = nullptr;
    QWidget* picSplitter = nullptr;
    QListWidget* lstAlbumList = nullptr;
    QPushButton* cmdRemove = nullptr;
    QPushButton* cmdRemoveAll = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdUp = nullptr;
    QPushButton* cmdDown = nullptr;
    QLabel* Label1 = nullptr;
    QMenu* mnupopup1 = nullptr;
    QMenu* mnupopup2 = nullptr;

    struct Actions
    {
        QAction* Preview;
        QAction* Print;
        QAction* AlbumViewer;
        QAction* Bitmap;
        QAction* Gif;
        QAction* Jpeg;
        QAction* Icon;
        QAction* ImageViewer;
        QAction* PrinterSetup;
        QAction* Close;
        QAction* Exit;
        QAction* Inch;
        QAction* Centimetre;
        QAction* Center;
        QAction* Label;
        QAction* PrintSize;
        QAction* Header;
        QAction* Footer;
        QAction* About;
        // Picture Resolution: 150, 300 and 600 ppi, then Printer Resolution.
        QList<QAction*> Resolutions;
    } act_{};

    AlbumPrinterLayout::Limits limits_{};
    QRectF imgSplitterTwips_ = AlbumPrinterLayout::Design::imgSplitter;
    QRectF picSplitterTwips_ = AlbumPrinterLayout::Design::picSplitter;
    bool Dragging = false;
};

} // namespace quenbrook
