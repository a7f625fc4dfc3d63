// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QStyledItemDelegate>
#include <QWidget>

namespace quenbrook {

// imgSplitter: an invisible grab area with the west-east pointer. Reports presses, moves and
// releases of any button, x in pixels from its left edge.
class SplitterGrip : public QWidget
{
    Q_OBJECT
public:
    explicit SplitterGrip(QWidget* parent = nullptr);

signals:
    void pressed();
    void moved(int x);
    void released();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// Items of a list no wider than its viewport, so that long paths are shortened as the list's
// elide mode says and their file names stay in view.
class FittingItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace quenbrook
