#pragma once

#include "core/pictures/Picture.h"
#include "windows/common/Messages.h"

#include <QMainWindow>

#include <array>
#include <functional>

class QAction;
class QScrollBar;

namespace quenbrook {

// The white surface the picture is drawn on, stretched to the surface's size.
class ImageSurface : public QWidget
{
public:
    using QWidget::QWidget;
    void setPicture(const Picture* picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Picture* picture_ = nullptr;
};

// One picture file at one of six zoom factors, panned with two scroll bars.
class frmImageViewer : public QMainWindow
{
    Q_OBJECT

public:
    explicit frmImageViewer(QWidget* parent = nullptr);

    // Loads and shows the file (blanks around the name are ignored; the caption keeps them).
    // When the file cannot be loaded, says so and closes the window.
    bool LoadImage(const QString& path);

    // Replaces the message box, for tests.
    void setMessageFunction(MessageFunction show) { showMessage_ = std::move(show); }

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

    QString path_; // trimmed name of the loaded file
    Picture picture_;
    QSize decodedFor_; // the box the picture was decoded for
    bool loaded_ = false;
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
