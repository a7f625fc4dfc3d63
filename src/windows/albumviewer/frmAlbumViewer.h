// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/geometry/AlbumViewerLayout.h"
#include "windows/common/BusyCursor.h"
#include "windows/common/MainWindowFrame.h"
#include "windows/common/PictureTask.h"
#include "windows/common/WindowServices.h"

#include <QFrame>
#include <QHash>
#include <QImage>
#include <QMainWindow>
#include <QPoint>

#include <array>
#include <optional>

class QAction;
class QMenu;
class QToolBar;

namespace quenbrook {

class DriveList;
class FileList;
class FilePane;
class FolderList;
class HeaderStrip;
class Picture;

// picViewer: one slot of the strip, white inside its frame. The picture is drawn once, when the
// slot is filled, at the slot's top-left corner; a file that could not be shown leaves its
// reason written in the slot instead.
class SlotView : public QFrame
{
public:
    explicit SlotView(QWidget* parent = nullptr);

    // The picture drawn at target on white, as a slot of that inner size shows it on a screen
    // of that pixel ratio. Any thread may draw.
    static QImage draw(const Picture& picture, QSize inside, qreal ratio, const QRectF& target);
    void showImage(const QImage& image);
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

    // The services outlive the window.
    explicit frmAlbumViewer(const WindowServices& services, QWidget* parent = nullptr);
    ~frmAlbumViewer() override;

    // Refills the four slots from the file list's selection; nothing when none is selected. The
    // pictures load off the window thread and each slot shows its own as soon as it is drawn,
    // slot 0 first; a fill under way is given up for the new one.
    void File1_Click();
    // Whether slots are being filled (the busy pointer is shown meanwhile).
    bool filling() const { return fill_.running(); }
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

    DriveList* Drive1() const;
    FolderList* Dir1() const;
    FileList* File1() const;
    SlotView* picViewer(int slot) const { return picViewer_.at(slot); }
    QWidget* shpFocus(int slot) const { return shpFocus_.at(slot); }
    QMenu* mnuPopup() const { return mnuPopup_; }
    // The toolbar's button of that key; null for a key it does not have.
    QAction* toolbarButton(const QString& key) const { return buttons_.value(key); }

signals:
    // After the last slot of a fill is shown.
    void slotsFilled();
    void albumPrinterRequested();
    void addToPrintListRequested(const QString& path);
    void viewFileRequested(const QString& path);
    void aboutRequested();

protected:
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

    // Opening, resizing, filling (frmAlbumViewer.cpp).
    void Form_Load();
    void Form_Resize();
    void completeLayout();
    // One slot's picture, drawn off the window thread.
    struct SlotFill
    {
        int slot = 0;
        QString file; // empty for a slot past the end of the list
        QString name;
        qint64 size = 0;
        int width = 0;
        int height = 0;
        QImage image;
        QString note; // why the file is not shown
    };
    static SlotFill drawSlot(const PictureLoad& load, int slot, const QString& folder,
                             const QString& name, QSize inside, qreal ratio, const LoadStop& stop);
    void showSlot(const SlotFill& fill);
    void stopFill();
    void clearSlot(int slot);
    int selectedIndex() const;

    // Commands (frmAlbumViewerCommands.cpp).
    void Toolbar_ButtonClick(const QString& key);
    void Navigate(AlbumViewerLayout::ToolbarButton button);
    void mnuFileAlbumPrinter_Click();
    void mnuPopupAddtoAlbumPrintList_Click();
    void mnuPopupInformation_Click();
    void mnupopupViewFile_Click();
    void picViewer_Click(int slot);
    void picViewer_RightDown(int slot, const QPoint& globalPos);
    void picViewer_OLEStartDrag(int slot);
    void selectSlot(int slot);

    const WindowServices& services_;
    MainWindowFrame frame_;

    QToolBar* Toolbar = nullptr;
    HeaderStrip* stsbarHeader = nullptr;
    FilePane* pane_ = nullptr;
    FileList* File1_ = nullptr;
    std::array<FocusFrame*, SlotCount> shpFocus_{};
    std::array<SlotView*, SlotCount> picViewer_{};
    QMenu* mnuPopup_ = nullptr;
    QHash<QString, QAction*> buttons_;
    struct MenuItems
    {
        QAction* FileClose;
        QAction* FileExit;
        QAction* About;
        QAction* PopupAdd;
        QAction* PopupInformation;
        QAction* PopupViewFile;
    } menu_{};

    int CurrentSlot_ = 0;
    std::array<Slot, SlotCount> slots_{};
    float SlotMarginX = 0;
    float SlotMarginY = 0;

    PictureTask<SlotFill> fill_;
    std::optional<BusyCursor> busy_; // while a fill is under way
    int pressedSlot_ = -1;           // the slot the left button went down on
    QPoint pressedAt_;
};

} // namespace quenbrook
