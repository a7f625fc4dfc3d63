#pragma once

#include "core/album/PrintSettings.h"
#include "core/album/PrintSettingsLoader.h"
#include "core/geometry/AlbumPrinterLayout.h"
#include "windows/common/OuterTwips.h"
#include "windows/common/ProgramEnding.h"
#include "windows/dialogs/OptionDialog.h"

#include <QMainWindow>
#include <QRectF>
#include <QStringList>

#include <functional>

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

class DriveList;
class FileList;
class FolderList;
class HeaderStrip;
class PrinterSurface;
class Printers;
class SettingsStore;
class SplitterGrip;

// The Album Printer: a file pane on the left, the print list on the right, a splitter between
// them, and the commands that fill the list, set the print options, preview and print.
class frmAlbumPrinter : public QMainWindow
{
    Q_OBJECT
public:
    // Shows an option dialog modally, owned by the window.
    using OptionDialogRunner = std::function<void(OptionDialog, QWidget*)>;
    // Shows the page setup of the printer modally; false when it cannot be shown.
    using PrinterSetupRunner = std::function<bool(PrinterSurface&, QWidget*)>;

    frmAlbumPrinter(SettingsStore& store, Printers& printers, PrinterSurface& printer,
                    QWidget* parent = nullptr);
    ~frmAlbumPrinter() override;

    // Appends one entry, the text as given, at the end of the print list.
    void AddToPrintList(const QString& path);
    QStringList PrintList() const;
    const PrintSettings& Settings() const { return settings_; }

    // Whether the Album Viewer is visible (unset: it is not).
    void setOtherWindowVisible(std::function<bool()> visible);
    // Ends the program at once (unset: leaves the event loop).
    void setEndProgram(std::function<void()> endProgram);
    // Unset: no dialog is shown, the group is still reloaded.
    void setOptionDialogRunner(OptionDialogRunner runner);
    void setPrinterSetupRunner(PrinterSetupRunner runner);

signals:
    void previewRequested();
    void printRequested();
    void aboutRequested();
    void albumViewerRequested();
    void viewFileRequested(const QString& path);

protected:
    // Every settings write of the window (placement, "Start") passes here.
    virtual void writeSetting(const QString& section, const QString& key, const QString& value);

    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void createActions();
    void createMenus();
    void updateActions();
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
    void Toolbar_Filter();
    void mnuPreview_Click();
    void mnuPrinterSetup_Click();
    void mnuExit_Click();
    void mnuScale_Click(PrintUnit unit);
    void mnuCenter_Click();
    void mnuOptionDialog_Click(OptionDialog dialog);
    void Drive1_Change(const QString& root);
    void Dir1_Change(const QString& folder);
    void OLEDragOver(QDragMoveEvent* event);
    void OLEDragDrop(QDropEvent* event);
    int selectedEntry() const;

    // Placement and splitter (frmAlbumPrinterPlacement.cpp).
    void PlaceOnLoad();
    void LayOut();
    void completeLayout();
    void writePlacement();
    void imgSplitter_MouseDown();
    void imgSplitter_MouseMove(int x);
    void imgSplitter_MouseUp();
    void showBar();
    float outerLeft() const;
    float outerTop() const;
    float outerWidth() const;
    float outerHeight() const;
    void setOuterPlacement(float left, float top, float width, float height);
    void setOuterWidth(float width);
    void setOuterHeight(float height);

    SettingsStore& store_;
    Printers& printers_;
    PrinterSurface& printer_;
    PrintSettings settings_;
    PrintSettingsLoader loader_;

    ProgramEnding ending_;
    OptionDialogRunner optionDialogRunner_;
    PrinterSetupRunner printerSetupRunner_;

    QToolBar* Toolbar = nullptr;
    HeaderStrip* stsbarHeader = nullptr;
    FolderList* Dir1 = nullptr;
    DriveList* Drive1 = nullptr;
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
    } act_{};

    AlbumPrinterLayout::Limits limits_{};
    // The outer placement last set, in twips, so values survive the pixel grid.
    OuterTwips outer_{*this};
    QRectF imgSplitterTwips_ = AlbumPrinterLayout::Design::imgSplitter;
    QRectF picSplitterTwips_ = AlbumPrinterLayout::Design::picSplitter;
    bool Dragging = false;
    bool shown_ = false;
};

} // namespace quenbrook
