// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/imageviewer/frmImageViewer.h"

#include "core/pictures/PictureLoader.h"
#include "core/program/Units.h"
#include "core/settings/NumberRules.h"
#include "windows/common/BusyCursor.h"
#include "windows/common/OuterTwips.h"
#include "windows/common/PicturePixels.h"
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
// A picture with more pixels than this is shown as soon as the rows in view are decoded; a
// smaller one decodes in a blink.
constexpr qint64 RowByRowPixels = 4'000'000;

// The surface's size at a zoom factor: the picture's natural size in pixels at the window's
// resolution, times the factor.
QSize SurfaceSize(QSize naturalHimetric, double factor, double dpiX, double dpiY)
{
    return QSize(static_cast<int>(factor * HimetricToPixels(naturalHimetric.width(), dpiX)),
                 static_cast<int>(factor * HimetricToPixels(naturalHimetric.height(), dpiY)));
}

// Whether a raster holds every pixel its file has.
bool HoldsWhole(const Picture& picture)
{
    const QSize held = picture.decodedPixelSize();
    return held.width() >= HimetricToPixels(picture.widthHimetric()) &&
           held.height() >= HimetricToPixels(picture.heightHimetric());
}

bool Covers(QSize held, QSize wanted)
{
    return held.width() >= wanted.width() && held.height() >= wanted.height();
}

// The picture scaled down to `pixels`: halved by drawing first when that is more than halfway,
// then averaged down the rest of the way, so that fine detail does not turn into noise.
QImage ScaledDown(const Picture& picture, QSize pixels, qreal ratio)
{
    const QSize held = picture.decodedPixelSize();
    const bool halve = held.width() / 2 >= pixels.width() && held.height() / 2 >= pixels.height();
    const QSize first = halve ? held / 2 : pixels;
    QImage image(first, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    picture.paint(painter, QRectF(QPointF(0, 0), QSizeF(first)));
    painter.end();
    if (first != pixels)
        image = image.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    image.setDevicePixelRatio(ratio);
    return image;
}

} // namespace

void ImageSurface::setPicture(std::shared_ptr<const Picture> picture, int rows)
{
    picture_ = std::move(picture);
    rows_ = rows;
    scaled_ = QImage();
    update();
}

void ImageSurface::setRows(int rows)
{
    if (!picture_ || rows <= rows_)
        return;
    const int height = picture_->decodedPixelSize().height();
    // Only the band newly decoded, and only where it is in view.
    const int top = int(std::floor(double(rows_) * this->height() / height));
    const int bottom = int(std::ceil(double(rows) * this->height() / height));
    rows_ = rows;
    update(0, top, width(), bottom - top);
}

void ImageSurface::setScaled(const QImage& scaled)
{
    scaled_ = scaled;
    update();
}

// Only the part in view is drawn, so a large zoom needs no bitmap of its own.
void ImageSurface::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::white);
    if (!scaled_.isNull() && scaled_.deviceIndependentSize().toSize() == size()) {
        painter.drawImage(QPointF(0, 0), scaled_);
    } else if (picture_ && !picture_->isNull()) {
        painter.setClipRect(event->rect());
        picture_->paintRows(painter, QRectF(rect()), rows_);
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
    // One choice among six (a group is exclusive unless told otherwise), shown as radio items.
    auto* zoomChoice = new QActionGroup(this);
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

void frmImageViewer::LoadImage(const QString& path)
{
    const QString trimmed = path.trimmed();
    scaling_.drop();
    const QScreen* shown = screen() ? screen() : QGuiApplication::primaryScreen();
    const qreal ratio = devicePixelRatioF();
    const QSize screenPixels = shown ? shown->availableSize() * ratio : QSize();
    const double dpiX = logicalDpiX();
    const double dpiY = logicalDpiY();
    const int viewPixels = int(Picture2_->height() * ratio);
    const PictureLoad load = load_;
    decoding_ = false;
    if (!busyCursor_)
        busyCursor_.emplace();
    loading_.start(
        [=](QPromise<Loaded>& promise, const LoadStop& stop) {
            // A large picture is shown once the rows in view are decoded, then band by band.
            int next = -1;
            const RowsDecoded rows = [&](const std::shared_ptr<const Picture>& picture, int done) {
                const QSize decoded = picture->decodedPixelSize();
                if (next < 0) {
                    const QSize surface =
                        SurfaceSize(picture->naturalHimetric(), 1, dpiX, dpiY) * ratio;
                    next = qint64(decoded.width()) * decoded.height() <= RowByRowPixels
                               ? decoded.height()
                               : int(std::ceil(double(viewPixels) * decoded.height() /
                                               std::max(surface.height(), 1)));
                }
                if (done < next || done >= decoded.height())
                    return;
                Loaded partial;
                partial.picture = picture;
                partial.rows = done;
                promise.addResult(partial);
                next = done + std::max(decoded.height() / 16, 1);
            };
            // Shown first at 100%, where every pixel of a raster is on the surface.
            PictureResult result = load(trimmed, QSize(), &stop, rows);
            bool fewer = false;
            if (std::holds_alternative<PictureError>(result) && !stopRaised(&stop) &&
                !screenPixels.isEmpty()) {
                // Too large to hold whole, maybe: then as many pixels as the screen has.
                PictureResult smaller = load(trimmed, screenPixels, &stop, {});
                if (std::holds_alternative<Picture>(smaller)) {
                    result = std::move(smaller);
                    fewer = true;
                }
            }
            Loaded loaded;
            if (const auto* error = std::get_if<PictureError>(&result)) {
                loaded.error = error->message;
            } else {
                Picture& picture = std::get<Picture>(result);
                const QSize natural = picture.naturalHimetric();
                const bool vector = picture.isVector();
                const QSize whole = SurfaceSize(natural, 1, dpiX, dpiY) * ratio;
                picture = InPixels(std::move(picture), whole);
                loaded.whole = !vector && HoldsWhole(picture);
                if (fewer)
                    loaded.refused = whole;
                loaded.picture = std::make_shared<const Picture>(std::move(picture));
            }
            promise.addResult(loaded);
        },
        [this, path](const Loaded& loaded) {
            if (loaded.rows > 0)
                showFirstRows(loaded, path);
            else
                showLoaded(loaded, path);
        },
        [this] { busyCursor_.reset(); });
}

void frmImageViewer::showFirstRows(const Loaded& loaded, const QString& caption)
{
    if (decoding_) {
        Picture1_->setRows(loaded.rows);
        return;
    }
    // The top of the picture goes on the screen while the rest decodes.
    path_ = caption.trimmed();
    picture_ = loaded.picture;
    whole_ = false;
    tooMany_ = QSize();
    loaded_ = true;
    decoding_ = true;
    Picture1_->setPicture(picture_, loaded.rows);
    setWindowTitle(caption);
    mnuZoomScale_Click(LoadZoom);
    emit pictureShown();
}

void frmImageViewer::showLoaded(const Loaded& loaded, const QString& caption)
{
    const bool shownAlready = decoding_;
    decoding_ = false;
    if (!loaded.picture) {
        busyCursor_.reset();
        showMessage_(this, loaded.error, MessageIcon::Information);
        emit pictureRefused(loaded.error);
        close();
        return;
    }
    path_ = caption.trimmed();
    picture_ = loaded.picture;
    whole_ = loaded.whole;
    tooMany_ = loaded.refused;
    loaded_ = true;
    Picture1_->setPicture(picture_);
    if (shownAlready) {
        // All of it now, at whatever zoom was chosen meanwhile.
        showAtZoom();
        return;
    }
    setWindowTitle(caption);
    mnuZoomScale_Click(LoadZoom);
    emit pictureShown();
}

QSize frmImageViewer::shownPixels() const
{
    return Picture1_->size() * devicePixelRatioF();
}

void frmImageViewer::mnuZoomScale_Click(int index)
{
    if (index < 0 || index >= ZoomCount)
        return;
    mnuZoomScale_[index]->setChecked(true); // the group unchecks the others
    if (!loaded_)
        return;

    const double factor = NumericValue(mnuZoomScale_[index]->text()) / 100.0;
    Picture1_->resize(
        SurfaceSize(picture_->naturalHimetric(), factor, logicalDpiX(), logicalDpiY()));
    Picture1_->setScaled(QImage());
    GetScale();
    showAtZoom();
}

void frmImageViewer::showAtZoom()
{
    // While the rest of the rows decode, the surface shows those there are, stretched.
    if (decoding_)
        return;
    // What is held serves every zoom it covers; only a larger one loads the file again.
    scaling_.drop();
    const QSize wanted = shownPixels();
    const QSize held = picture_->decodedPixelSize();
    const bool refused = !tooMany_.isEmpty() && Covers(wanted, tooMany_);
    if (!whole_ && !Covers(held, wanted) && !refused) {
        loadMore(wanted);
        return;
    }
    loading_.drop();
    busyCursor_.reset();
    if (held != wanted && Covers(held, wanted) && !wanted.isEmpty())
        scaleDown();
    else
        emit zoomShown();
}

void frmImageViewer::loadMore(QSize pixels)
{
    const QString path = path_;
    const PictureLoad load = load_;
    if (!busyCursor_)
        busyCursor_.emplace();
    loading_.start(
        [=](QPromise<Loaded>& promise, const LoadStop& stop) {
            PictureResult result = load(path, pixels, &stop, {});
            Loaded loaded;
            if (auto* picture = std::get_if<Picture>(&result)) {
                const bool vector = picture->isVector();
                Picture inPixels = InPixels(std::move(*picture), pixels);
                loaded.whole = !vector && HoldsWhole(inPixels);
                loaded.picture = std::make_shared<const Picture>(std::move(inPixels));
            } else if (!stopRaised(&stop)) {
                loaded.refused = pixels;
            }
            promise.addResult(loaded);
        },
        [this](const Loaded& loaded) {
            // Should the file have gone or be too large, what is held is stretched.
            busyCursor_.reset();
            if (!loaded.refused.isEmpty())
                tooMany_ = loaded.refused;
            if (loaded.picture &&
                Covers(loaded.picture->decodedPixelSize(), picture_->decodedPixelSize())) {
                picture_ = loaded.picture;
                whole_ = loaded.whole;
                Picture1_->setPicture(picture_);
            }
            if (picture_->decodedPixelSize() != shownPixels() &&
                Covers(picture_->decodedPixelSize(), shownPixels()))
                scaleDown();
            else
                emit zoomShown();
        },
        [this] { busyCursor_.reset(); });
}

void frmImageViewer::scaleDown()
{
    const std::shared_ptr<const Picture> source = picture_;
    const QSize pixels = shownPixels();
    const qreal ratio = devicePixelRatioF();
    scaling_.start([=](QPromise<QImage>& promise,
                       const LoadStop&) { promise.addResult(ScaledDown(*source, pixels, ratio)); },
                   [this](const QImage& scaled) { Picture1_->setScaled(scaled); },
                   [this] { emit zoomShown(); });
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
