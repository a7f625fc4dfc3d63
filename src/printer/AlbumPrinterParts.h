#pragma once

#include <QStyledItemDelegate>
#include <QWidget>

class QLabel;

namespace quenbrook {

// stsbarHeader: two sunken panels naming the two panes, each with its caption as tooltip.
class HeaderStrip : public QWidget
{
    Q_OBJECT
public:
    explicit HeaderStrip(QWidget* parent = nullptr);

    // Widths in pixels, the first panel from the left edge.
    void setPanelWidths(int filesOnDisk, int selectedFiles);
    QLabel* panel(const QString& key) const;

private:
    QLabel* filesOnDisk_;
    QLabel* selectedFiles_;
};

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
