// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/dialogs/TabStrip.h"

#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <QTabBar>

namespace quenbrook {
namespace {

// What the style needs to know to draw a tab widget's pane of the given size.
QStyleOptionTabWidgetFrame paneOption(const QWidget& strip, const QTabBar& tabs)
{
    QStyleOptionTabWidgetFrame option;
    option.initFrom(&strip);
    option.shape = QTabBar::RoundedNorth;
    option.tabBarSize = tabs.sizeHint();
    option.lineWidth = strip.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &strip);
    option.tabBarRect = strip.style()->subElementRect(QStyle::SE_TabWidgetTabBar, &option, &strip);
    option.selectedTabRect =
        tabs.tabRect(tabs.currentIndex()).translated(option.tabBarRect.topLeft());
    return option;
}

} // namespace

TabStrip::TabStrip(QWidget* parent)
    : QWidget(parent)
    , tabs_(new QTabBar(this))
{
    tabs_->setDrawBase(false);
    tabs_->setExpanding(false);
    connect(tabs_, &QTabBar::currentChanged, this, [this](int index) {
        update();
        emit clicked(tabs_->tabData(index).toString());
    });
}

void TabStrip::addTab(const QString& caption, const QString& key)
{
    const int index = tabs_->addTab(caption);
    tabs_->setTabData(index, key);
    placeTabs();
}

QString TabStrip::selectedKey() const
{
    return tabs_->tabData(tabs_->currentIndex()).toString();
}

void TabStrip::selectKey(const QString& key)
{
    for (int i = 0; i < tabs_->count(); ++i) {
        if (tabs_->tabData(i).toString() == key)
            tabs_->setCurrentIndex(i);
    }
}

void TabStrip::placeTabs()
{
    tabs_->setGeometry(paneOption(*this, *tabs_).tabBarRect);
}

void TabStrip::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeTabs();
}

void TabStrip::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionTabWidgetFrame option = paneOption(*this, *tabs_);
    option.rect = style()->subElementRect(QStyle::SE_TabWidgetTabPane, &option, this);
    painter.drawPrimitive(QStyle::PE_FrameTabWidget, option);
}

} // namespace quenbrook
