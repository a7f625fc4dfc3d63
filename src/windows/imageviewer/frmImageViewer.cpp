#include "windows/imageviewer/frmImageViewer.h"

#include "core/pictures/PictureLoader.h"
#include "core/program/Units.h"
#include "core/settings/NumberRules.h"
#include "windows/common/BusyCursor.h"
#include "windows/common/OuterTwips.h"
#include "windows/common/StandardKeys.h"

#include <QAction>
#include <QActionGroup>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>

#include <cmath>
#include <cstdlib>

namespace quenbrook {

namespace {

constexpr int MinimumTwips = 3000;
constexpr int ScrollBarTwips = 252;
constexpr int DesignWidthTwips = 4680;
constexpr int DesignHeightTwips = 3096;
constexpr int LoadZoom = 2; // "100%"

} // namespace

void ImageSurface::setPicture(const Picture* picture)
{
    picture_ = picture;
    update();
}

// Only the part in view is drawn, so a large zoom needs no bitmap of its own.
void ImageSurface::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::white);
    if (picture_ && !picture_->isNull()) {
        painter.setClipRect(event->rect());
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        picture_->paint(painter, QRectF(rect()));
    }
}

frmImageViewer::frmImageViewer(QWidget* parent)
    : QMainWindow(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);

    createActions();
    menuBar()->addAction(mnuClose_);
    QMenu* mnuZoom = menuBar()->addMenu(tr("&Zoom"));
    mnuZoom->addActions(QList<QAction*>(mnuZoomScale_.begin(), mnuZoomScale_.end()));
    mnuZoomScale_[LoadZoom]->setChecked(true);

    inner_ = new QWidget(this);
    setCentralWidget(inner_);
    Picture2_ = new QWidget(inner_);
    Picture1_ = new ImageSurface(Picture2_);
    Picture1_->setGeometry(0, 0, ToPixels(2532), ToPixels(1332));
    VScroll1_ = new QScrollBar(Qt::Vertical, inner_);
    HScroll1_ = new QScrollBar(Qt::Horizontal, inner_);
    for (QScrollBar* bar : {VScroll1_, HScroll1_}) {
        bar->setRange(0, ScrollMax);
        bar->setPageStep(20);
        bar->setSingleStep(1);
    }
    VScroll1_->resize(ToPixels(ScrollBarTwips), ToPixels(2172));
    HScroll1_->resize(ToPixels(1332), ToPixels(ScrollBarTwips));
    connect(VScroll1_, &QScrollBar::valueChanged, this, &frmImageViewer::VScroll1_Change);
    connect(HScroll1_, &QScrollBar::valueChanged, this, &frmImageViewer::HScroll1_Change);
    inner_->installEventFilter(this);

    // The window itself cannot be made smaller than 3000 twips either way.
    setMinimumSize(ToPixels(MinimumTwips), ToPixels(MinimumTwips));
    resize(ToPixels(DesignWidthTwips),
           ToPixels(DesignHeightTwips) + menuBar()->sizeHint().height());
}

void frmImageViewer::createActions()
{
    mnuClose_ = new QAction(tr("&Close"), this);
    SetStandardKeys(*mnuClose_, QKeySequence::Close);
    connect(mnuClose_, &QAction::triggered, this, &QWidget::close);
    const char* const captions[ZoomCount] = {"400%", "200%", "100%", "75%", "50%", "25%"};
    // One choice among six, shown as radio items.
    auto* zoomChoice = new QActionGroup(this);
    zoomChoice->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    for (int i = 0; i < ZoomCount; ++i) {
        auto* item = new QAction(QString::fromLatin1(captions[i]), this);
        item->setCheckable(true);
        item->setActionGroup(zoomChoice);
        connect(item, &QAction::triggered, this, [this, i] { mnuZoomScale_Click(i); });
        mnuZoomScale_[i] = item;
    }
    // Zooming in and out by key steps through the six, largest first, and stops at either end.
    const auto step = [this](QKeySequence::StandardKey key, int by) {
        AddWindowKey(*this, key, [this, by] {
            const int next = zoomIndex() + by;
            if (next >= 0 && next < ZoomCount)
                mnuZoomScale_Click(next);
        });
    };
    step(QKeySequence::ZoomIn, -1);
    step(QKeySequence::ZoomOut, 1);
}

int frmImageViewer::zoomIndex() const
{
    for (int i = 0; i < ZoomCount; ++i)
        if (mnuZoomScale_[i]->isChecked())
            return i;
    return LoadZoom;
}

bool frmImageViewer::LoadImage(const QString& path)
{
    const QString trimmed = path.trimmed();
    PictureResult result = [&] {
        BusyCursor busy;
        // First decode no larger than the screen; each zoom decodes again at the size it shows.
        const QScreen* shown = screen() ? screen() : QGuiApplication::primaryScreen();
        const QSize box = shown ? shown->availableSize() : QSize();
        PictureResult loaded = PictureLoader::load(trimmed, box);
        decodedFor_ = box;
        return loaded;
    }();
    if (auto* error = std::get_if<PictureError>(&result)) {
        showMessage_(this, error->message, MessageIcon::Information);
        close();
        return false;
    }
    path_ = trimmed;
    picture_ = std::move(std::get<Picture>(result));
    loaded_ = true;
    setWindowTitle(path);
    mnuZoomScale_Click(LoadZoom);
    return true;
}

void frmImageViewer::mnuZoomScale_Click(int index)
{
    if (index < 0 || index >= ZoomCount)
        return;
    for (QAction* item : mnuZoomScale_)
        item->setChecked(false);
    mnuZoomScale_[index]->setChecked(true);
    if (!loaded_)
        return;

    const double factor = NumericValue(mnuZoomScale_[index]->text()) / 100.0;
    const double dpiX = logicalDpiX();
    const double dpiY = logicalDpiY();
    const QSize natural(HimetricToPixels(picture_.widthHimetric(), dpiX),
                        HimetricToPixels(picture_.heightHimetric(), dpiY));
    const QSize size(static_cast<int>(factor * natural.width()),
                     static_cast<int>(factor * natural.height()));
    Picture1_->resize(size);

    const bool heldWhole = picture_.decodedPixelSize() == natural;
    const bool enough =
        heldWhole && size.width() >= natural.width() && size.height() >= natural.height();
    if (!picture_.isVector() && size != decodedFor_ && !enough) {
        BusyCursor busy;
        // Decoded again at the size shown; should the file have gone, the old copy is stretched.
        PictureResult again = PictureLoader::load(path_, size);
        if (auto* fresh = std::get_if<Picture>(&again)) {
            picture_ = std::move(*fresh);
            decodedFor_ = size;
        }
    }
    Picture1_->setPicture(&picture_);
    GetScale();
}

void frmImageViewer::GetScale()
{
    Picture1_->move(0, 0);
    VScrollStep_ =
        std::abs(Picture1_->height() - Picture2_->height()) / double(VScroll1_->maximum());
    HScrollStep_ = std::abs(Picture1_->width() - Picture2_->width()) / double(HScroll1_->maximum());
}

void frmImageViewer::VScroll1_Change(int value)
{
    Picture1_->move(Picture1_->x(), -static_cast<int>(std::lround(VScrollStep_ * value)));
}

void frmImageViewer::HScroll1_Change(int value)
{
    Picture1_->move(-static_cast<int>(std::lround(HScrollStep_ * value)), Picture1_->y());
}

void frmImageViewer::Form_Resize()
{
    if (isMinimized())
        return;
    const int width = inner_->width();
    const int height = inner_->height();
    Picture2_->move(0, 0);
    HScroll1_->setGeometry(0, height - HScroll1_->height(), width - VScroll1_->width(),
                           HScroll1_->height());
    VScroll1_->setGeometry(width - VScroll1_->width(), 0, VScroll1_->width(),
                           height - HScroll1_->height());
    Picture2_->resize(VScroll1_->x(), HScroll1_->y());
    GetScale();
}

bool frmImageViewer::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == inner_ && event->type() == QEvent::Resize)
        Form_Resize();
    return QMainWindow::eventFilter(watched, event);
}

void frmImageViewer::keyPressEvent(QKeyEvent* event)
{
    // Keys the controls leave alone end up here.
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

} // namespace quenbrook
