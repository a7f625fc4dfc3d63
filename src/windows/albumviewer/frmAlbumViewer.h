#pragma once

#include "core/geometry/AlbumViewerLayout.h"
#include "windows/common/Messages.h"
#include "windows/common/OuterTwips.h"
#include "windows/common/ProgramEnding.h"

#include <QFrame>
#include <QHash>
#include <QImage>
#include <QMainWindow>
#include <QPoint>

#include <array>
#include <functional>

class QAction;
class QMenu;
class QToolBar;

namespace quenbrook {

class DriveList;
class FileList;
class FolderList;
class HeaderStrip;
class Picture;
class Printers;
class SettingsStore;

// picViewer: one slot of the strip, white inside its frame. The picture is drawn once, when the
// slot is filled, at the slot's top-left corner; a file that could not be shown leaves its
// reason written in the slot instead.
class SlotView : public QFrame
{
public:
    explicit SlotView(QWidget* parent = nullptr);

    void showPicture(const Picture& picture, const QRectF& target);
    void showNote(const QString& note);
    void clear();
    // The drawn slot; null when the slot shows no picture.
    const QImage& image() const { return image_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
    QString note_;
};

// shpFocus: the highlight behind a slot, showing as a frame around it.
class FocusFrame : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The Album Viewer: a file pane on the left, four picture slots in a two-by-two grid on the
// right, filled with the file selected in the file list and the three that follow it.
class frmAlbumViewer : public QMainWindow
{
    Q_OBJECT
public:
    static constexpr int SlotCount = AlbumViewerLayout::SlotCount;

    frmAlbumViewer(SettingsStore& store, Printers& printers, QWidget* parent = nullptr);
    ~frmAlbumViewer() override;

    // Whether the Album Printer is visible (unset: it is not).
    void setOtherWindowVisible(std::function<bool()> visible);
    // Ends the program at once (unset: leaves the event loop).
    void setEndProgram(std::function<void()> endProgram);
    void setMessageFunction(MessageFunction show);

    // Refills the four slots from the file list's selection; nothing when none is selected.
    void File1_Click();
    // Asks for the slot's picture to be added to the print list, when the slot shows one.
    void AddSlotToPrintList(int slot);

    // The selection and the slots. A file that cannot be shown keeps its path and length in its
    // slot, with no size and not loaded, so no command acts on it.
    int CurrentSlot() const { return CurrentSlot_; }
    QString SlotFile(int slot) const { return slots_.at(slot).File; }
    int SlotWidth(int slot) const { return slots_.at(slot).Width; }
    int SlotHeight(int slot) const { return slots_.at(slot).Height; }
    qint64 SlotSize(int slot) const { return slots_.at(slot).Size; }
    bool SlotLoaded(int slot) const { return slots_.at(slot).Loaded; }

    DriveList* Drive1() const { return Drive1_; }
    FolderList* Dir1() const { return Dir1_; }
    FileList* File1() const { return File1_; }
    SlotView* picViewer(int slot) const { return picViewer_.at(slot); }
    QWidget* shpFocus(int slot) const { return shpFocus_.at(slot); }
    QMenu* mnuPopup() const { return mnuPopup_; }
    // The toolbar's button of that key; null for a key it does not have.
    QAction* toolbarButton(const QString& key) const { return buttons_.value(key); }

signals:
    void albumPrinterRequested();
    void addToPrintListRequested(const QString& path);
    void viewFileRequested(const QString& path);
    void aboutRequested();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Slot
    {
        QString File;
        int Width = 0;
        int Height = 0;
        qint64 Size = 0;
        bool Loaded = false;
    };

    void createActions();
    void createControls();
    void createMenus();
    void saveSetting(const QString& section, const QString& key, const QString& value);

    // Opening, resizing, filling (frmAlbumViewer.cpp).
    void Form_Load();
    void Form_Resize();
    void completeLayout();
    void fillSlot(int slot, const QString& path, const QString& name);
    void clearSlot(int slot);
    int selectedIndex() const;
    void Drive1_Change(const QString& root);
    void Dir1_Change(const QString& folder);

    // Commands (frmAlbumViewerCommands.cpp).
    void Toolbar_ButtonClick(const QString& key);
    void Toolbar_Filter();
    void Navigate(AlbumViewerLayout::ToolbarButton button);
    void mnuFileAlbumPrinter_Click();
    void mnuFileExit_Click();
    void mnuPopupAddtoAlbumPrintList_Click();
    void mnuPopupInformation_Click();
    void mnupopupViewFile_Click();
    void picViewer_Click(int slot);
    void picViewer_RightDown(int slot, const QPoint& globalPos);
    void picViewer_OLEStartDrag(int slot);
    void selectSlot(int slot);

    SettingsStore& store_;
    Printers& printers_;
    ProgramEnding ending_;
    MessageFunction showMessage_ = ShowMessage;

    QToolBar* Toolbar = nullptr;
    HeaderStrip* stsbarHeader = nullptr;
    DriveList* Drive1_ = nullptr;
    FolderList* Dir1_ = nullptr;
    FileList* File1_ = nullptr;
    std::array<FocusFrame*, SlotCount> shpFocus_{};
    std::array<SlotView*, SlotCount> picViewer_{};
    QMenu* mnuPopup_ = nullptr;
    QHash<QString, QAction*> buttons_;

    int CurrentSlot_ = 0;
    std::array<Slot, SlotCount> slots_{};
    float SlotMarginX = 0;
    float SlotMarginY = 0;

    OuterTwips outer_{*this};
    bool shown_ = false;
    bool filling_ = false;
    bool refillPending_ = false;
    int pressedSlot_ = -1; // the slot the left button went down on
    QPoint pressedAt_;
};

} // namespace quenbrook
