// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/pictures/Picture.h"
#include "windows/common/BusyCursor.h"
#include "windows/common/Messages.h"
#include "windows/common/PictureTask.h"
#include "windows/common/WindowServices.h"

#include <QMainWindow>

#include <array>
#include <climits>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QScrollBar;

namespace quenbrook {

// The white surface the picture is drawn on, stretched to the surface's size. A copy already
// scaled to the surface is drawn as it is instead. Of a picture still being decoded, the rows
// decoded so far are drawn.
class ImageSurface : public QWidget
{
public:
    using QWidget::QWidget;
    void setPicture(std::shared_ptr<const Picture> picture, int rows = INT_MAX);
    void setRows(int rows);
    void setScaled(const QImage& scaled);
    const QImage& scaled() const { return scaled_; }
    int rows() const { return rows_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::shared_ptr<const Picture> picture_;
    int rows_ = INT_MAX;
    QImage scaled_;
};

// One picture file at one of six zoom factors, panned with two scroll bars.
class frmImageViewer : public QMainWindow
{
    Q_OBJECT

public:
    explicit frmImageViewer(QWidget* parent = nullptr);

    // Loads the file off the window thread and shows it at 100% (blanks around the name are
    // ignored; the caption keeps them). When the file cannot be loaded, says so and closes the
    // window. pictureShown() or pictureRefused() tells which, once it is known.
    void LoadImage(const QString& path);

    // Replaces the message box, for tests.
    void setMessageFunction(MessageFunction show) { showMessage_ = std::move(show); }
    // Replaces the picture loader, for tests; it is called off the window thread.
    void setPictureLoad(PictureLoad load) { load_ = std::move(load); }

    // The pixels held of the picture, and whether they are all the file has; a zoom that shows
    // more than they make loads the file again.
    QSize heldPixels() const { return picture_ ? picture_->decodedPixelSize() : QSize(); }
    bool holdsWholePicture() const { return whole_; }
    // Whether a picture is being loaded or scaled (the busy pointer is shown while it loads).
    bool busy() const { return loading_.running() || scaling_.running(); }
    // Rows of the picture shown while the rest is still being decoded; 0 once it is all there.
    int rowsShown() const { return decoding_ ? Picture1_->rows() : 0; }

    static constexpr int ZoomCount = 6;
    static constexpr int ScrollMax = 1000;

    QAction* mnuZoomScale(int index) const { return mnuZoomScale_[index]; }
    QAction* mnuClose() const { return mnuClose_; }
    QWidget* Picture1() const { return Picture1_; }
    QWidget* Picture2() const { return Picture2_; }
    QScrollBar* VScroll1() const { return VScroll1_; }
    QScrollBar* HScroll1() const { return HScroll1_; }
    double VScrollStep() const { return VScrollStep_; }
    double HScrollStep() const { return HScrollStep_; }

    void mnuZoomScale_Click(int index);

signals:
    void pictureShown();
    void pictureRefused(const QString& message);
    // After a zoom, once the picture is drawn at it as well as it will be.
    void zoomShown();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createActions();
    int zoomIndex() const; // the checked zoom item
    void Form_Resize();
    void GetScale();
    void VScroll1_Change(int value);
    void HScroll1_Change(int value);

    // A load's outcome, on its way back from the loading thread.
    struct Loaded
    {
        std::shared_ptr<const Picture> picture;
        bool whole = false; // every pixel the file has
        QString error;
        QSize refused; // pixels the loader would not decode this many of, when it said so
        int rows = 0;  // rows decoded so far, while the rest decodes; 0 once it is all there
    };
    QSize shownPixels() const; // of the surface, in device pixels
    void showAtZoom();
    void loadMore(QSize pixels);
    void scaleDown();
    void showLoaded(const Loaded& loaded, const QString& caption);
    void showFirstRows(const Loaded& loaded, const QString& caption);

    QString path_; // trimmed name of the loaded file
    std::shared_ptr<const Picture> picture_;
    bool whole_ = false;
    QSize tooMany_; // a size it would not decode; no larger one is asked for again
    bool loaded_ = false;
    bool decoding_ = false; // the rest of the picture's rows are still coming
    PictureLoad load_ = PictureLoader::loadUnlessStopped;
    PictureTask<Loaded> loading_;
    PictureTask<QImage> scaling_;
    std::optional<BusyCursor> busyCursor_;
    double VScrollStep_ = 0;
    double HScrollStep_ = 0;

    QWidget* inner_ = nullptr;
    QWidget* Picture2_ = nullptr;
    ImageSurface* Picture1_ = nullptr;
    QScrollBar* VScroll1_ = nullptr;
    QScrollBar* HScroll1_ = nullptr;
    QAction* mnuClose_ = nullptr;
    std::array<QAction*, ZoomCount> mnuZoomScale_{};
    MessageFunction showMessage_ = ShowMessage;
};

} // namespace quenbrook
