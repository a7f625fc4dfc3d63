#include "app/SampleWindow.h"

#include "platform/PictureLoader.h"
#include "startup/PictureFileTypes.h"

#include <QDir>
#include <QListWidget>
#include <QPainter>
#include <QStatusBar>

namespace quenbrook {
namespace {

constexpr QSize ThumbnailSize(160, 120);

// The picture fitted into a thumbnail, centred; an empty frame when it cannot be read.
QIcon thumbnail(const Picture* picture)
{
    QPixmap pixmap(ThumbnailSize);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    if (picture) {
        QSizeF size(picture->widthHimetric(), picture->heightHimetric());
        size.scale(ThumbnailSize, Qt::KeepAspectRatio);
        const QPointF topLeft((ThumbnailSize.width() - size.width()) / 2,
                              (ThumbnailSize.height() - size.height()) / 2);
        picture->paint(painter, QRectF(topLeft, size));
    }
    painter.setPen(Qt::gray);
    painter.drawRect(QRect(QPoint(0, 0), ThumbnailSize - QSize(1, 1)));
    return QIcon(pixmap);
}

} // namespace

SampleWindow::SampleWindow(const QString& folder, QWidget* parent)
    : QMainWindow(parent)
    , list_(new QListWidget(this))
{
    setWindowTitle(QStringLiteral("Quenbrook"));
    list_->setViewMode(QListView::IconMode);
    list_->setIconSize(ThumbnailSize);
    list_->setResizeMode(QListView::Adjust);
    list_->setSpacing(8);
    setCentralWidget(list_);
    resize(900, 640);
    showFolder(folder);
}

void SampleWindow::showFolder(const QString& folder)
{
    const QDir dir(folder);
    int unreadable = 0;
    const QStringList names = dir.entryList(QDir::Files, QDir::Name);
    for (const QString& name : names) {
        if (!IsPictureFile(name))
            continue;
        PictureResult result = PictureLoader::load(dir.filePath(name), ThumbnailSize);
        auto* item = new QListWidgetItem(name, list_);
        if (const auto* picture = std::get_if<Picture>(&result)) {
            item->setIcon(thumbnail(picture));
        } else {
            item->setIcon(thumbnail(nullptr));
            item->setToolTip(std::get<PictureError>(result).message);
            ++unreadable;
        }
    }
    statusBar()->showMessage(tr("%1: %2 pictures, %3 unreadable")
                                 .arg(QDir::toNativeSeparators(dir.absolutePath()))
                                 .arg(list_->count())
                                 .arg(unreadable));
}

} // namespace quenbrook
