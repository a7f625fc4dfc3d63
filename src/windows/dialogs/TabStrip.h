// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <QWidget>

class QTabBar;

namespace quenbrook {

// A row of tabs over a framed client area. The pages are not children of the strip: each dialog
// lays its own borderless frames over the client area and shows the one whose tab is chosen.
class TabStrip : public QWidget
{
    Q_OBJECT

public:
    explicit TabStrip(QWidget* parent = nullptr);

    // Tabs are added left to right; the first one starts selected.
    void addTab(const QString& caption, const QString& key);
    QString selectedKey() const;
    void selectKey(const QString& key);
    QTabBar* tabBar() const { return tabs_; }

signals:
    // The user or the program chose another tab.
    void clicked(const QString& key);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeTabs();

    QTabBar* tabs_;
};

} // namespace quenbrook
