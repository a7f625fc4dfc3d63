// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/albumprinter/AlbumPrinterParts.h"

#include <QAbstractItemView>
#include <QMouseEvent>

#include <cmath>

namespace quenbrook {

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
