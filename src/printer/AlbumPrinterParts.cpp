#include "printer/AlbumPrinterParts.h"

#include <QAbstractItemView>
#include <QLabel>
#include <QMouseEvent>

#include <cmath>

namespace quenbrook {
namespace {

QLabel* makePanel(const QString& key, const QString& caption, QWidget* parent)
{
    auto* panel = new QLabel(caption, parent);
    panel->setObjectName(key);
    panel->setToolTip(caption);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setIndent(4);
    return panel;
}

} // namespace

HeaderStrip::HeaderStrip(QWidget* parent)
    : QWidget(parent)
    , filesOnDisk_(
          makePanel(QStringLiteral("FilesonDisk"), QStringLiteral("Files on Disk :"), this))
    , selectedFiles_(
          makePanel(QStringLiteral("SelectedFiles"), QStringLiteral("Selected Files :"), this))
{
    setFixedHeight(filesOnDisk_->sizeHint().height() + 4);
}

void HeaderStrip::setPanelWidths(int filesOnDisk, int selectedFiles)
{
    filesOnDisk_->setGeometry(0, 0, std::max(filesOnDisk, 0), height());
    selectedFiles_->setGeometry(filesOnDisk, 0, std::max(selectedFiles, 0), height());
}

QLabel* HeaderStrip::panel(const QString& key) const
{
    return key == filesOnDisk_->objectName() ? filesOnDisk_ : selectedFiles_;
}

SplitterGrip::SplitterGrip(QWidget* parent)
    : QWidget(parent)
{
    setCursor(Qt::SplitHCursor);
}

void SplitterGrip::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    emit pressed();
}

void SplitterGrip::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    emit moved(static_cast<int>(std::floor(event->position().x())));
}

void SplitterGrip::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    emit released();
}

QSize FittingItemDelegate::sizeHint(const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    if (const auto* view = qobject_cast<const QAbstractItemView*>(parent()))
        size.setWidth(std::min(size.width(), view->viewport()->width()));
    return size;
}

} // namespace quenbrook
