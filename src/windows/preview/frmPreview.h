// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/album/AlbumPage.h"
#include "core/album/PageLayout.h"
#include "core/album/PreviewSurface.h"
#include "core/album/PrintSettings.h"
#include "windows/common/BusyCursor.h"
#include "windows/common/Messages.h"
#include "windows/common/PictureTask.h"
#include "windows/common/WindowServices.h"

#include <QDialog>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QMenuBar;
class QScrollBar;

namespace quenbrook {

class PageSurface;
class SettingsStore;

// The print preview: the album pages as printing would put them on paper, one at a time, at
// 100, 75, 50 or 25 percent, with the printable area and the picture cells outlined on request.
// It takes a snapshot of the print options and the printer's page metrics when it is loaded and
// lays the pages out on its own page surface.
class frmPreview final : public QDialog
{
    Q_OBJECT
public:
    // Loads the preview of printList and shows it modally over owner. Nothing for an empty list;
    // when loading fails the reason is shown and the window is not. Messages go through `message`.
    static void Open(QWidget* owner, const QStringList& printList, const PrintSettings& settings,
                     PageSurface& printer, SettingsStore& store,
                     const MessageFunction& message = ShowMessage);

    frmPreview(QWidget* owner, const QStringList& printList, const PrintSettings& settings,
               PageSurface& printer, SettingsStore& store, MessageFunction message = ShowMessage);
    ~frmPreview() override;

    // Snapshot, printer metrics, page grid, remembered choices, first page. False when a message
    // was shown and the window must not be shown.
    bool Form_Load();
    // Sizes the page surface for the zoom and lays the window out again.
    void SetupPreviewSize();
    // Draws a page (1 to PageCount) on the page surface once its pictures are loaded, off the
    // window thread; until then the surface keeps what it shows. A picture that cannot be loaded
    // is reported; the rest of that page stays blank and the window stays usable.
    void PreviewPage(qint32 page);
    // Whether a page waits for its pictures.
    bool drawingPage() const { return pageLoad_.running(); }
    // Replaces the picture loader, for tests; it is called off the window thread.
    void setPictureLoad(PictureLoad load) { load_ = std::move(load); }

    const PageLayout& Layout() const { return layout_; }
    float ZoomFactor() const { return zoomFactor_; }
    const QImage& PageImage() const { return surface_.image(); }

signals:
    // After a page is drawn on the surface.
    void pageDrawn();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createActions();
    void createControls();
    void stepZoom(int by);
    void Form_Resize();
    void cboZoom_Click(int index);
    void chkShowPictureArea_Click();
    void chkShowPrintableArea_Click();
    void hsrPage_Change(int value);
    void VScroll1_Change(int value);
    void HScroll1_Change(int value);
    void mnuClose_Click();
    void saveSetting(const QString& key, const QString& value);
    bool queryPrinter();
    void fail(const QString& message);
    void drawPage(qint32 page, const PageView& view);

    // One picture of the page, loaded off the window thread.
    struct PagePicture
    {
        qint64 index = 0;
        std::shared_ptr<Picture> picture; // null when it could not be loaded
        QString error;
    };
    static PagePicture loadPagePicture(const PictureLoad& load, const QString& path, QSize box,
                                       const LoadStop& stop);

    QStringList printList_;
    PrintSettings settings_; // the snapshot
    PageSurface& printer_;
    SettingsStore& store_;
    MessageFunction message_;
    PreviewSurface surface_;

    float PaperWidth = 0;
    float PaperHeight = 0;
    PageLayout layout_;
    float zoomFactor_ = 1;
    float MarginX = 0;
    float MarginY = 0;
    double HScrollStep = 0; // pixels of surface shift per bar unit
    double VScrollStep = 0;
    bool IsLoaded = false;

    PictureLoad load_ = PictureLoader::loadUnlessStopped;
    PictureTask<PagePicture> pageLoad_;
    std::vector<PagePicture> pagePictures_; // of the page being loaded
    std::optional<BusyCursor> busy_;

    QAction* mnuClose = nullptr;
    QMenuBar* menuBar_ = nullptr;
    QFrame* Picture2 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblPage = nullptr;
    QLabel* lblTotalPage = nullptr;
    QScrollBar* hsrPage = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* cboZoom = nullptr;
    QCheckBox* chkShowPrintableArea = nullptr;
    QCheckBox* chkShowPictureArea = nullptr;
    QFrame* Picture1 = nullptr;
    QWidget* viewport_ = nullptr; // Picture1's inside, which clips the page
    QWidget* picPreview = nullptr;
    QScrollBar* VScroll1 = nullptr;
    QScrollBar* HScroll1 = nullptr;
};

} // namespace quenbrook
