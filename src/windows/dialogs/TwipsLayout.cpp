// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/dialogs/TwipsLayout.h"

#include "core/program/Units.h"
#include "windows/dialogs/TabStrip.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QSvgRenderer>
#include <QTabBar>

#include <algorithm>
#include <cmath>

namespace quenbrook {
namespace {

double pixels(int twips, double factor)
{
    return twips * factor / TwipsPerPixel;
}

// The room a push button needs for its text, without the style's habit of making every
// dialog button at least 80 pixels wide.
QSize buttonNeed(const QPushButton& button)
{
    const QStyle& style = *button.style();
    const int frame = style.pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &button);
    const int margin = style.pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button);
    const QString text = QString(button.text()).remove(QLatin1Char('&'));
    return QSize(button.fontMetrics().horizontalAdvance(text) + 2 * (margin + frame),
                 button.minimumSizeHint().height());
}

} // namespace

void TwipsLayout::add(QWidget* control, QRect twips)
{
    items_.append({control, twips, QString()});
}

void TwipsLayout::addPicture(QLabel* picture, const QString& resource, QRect twips)
{
    items_.append({picture, twips, resource});
}

void TwipsLayout::addTabStrip(TabStrip* strip, QRect twips, int pagesTop)
{
    strip_ = strip;
    stripTwips_ = twips;
    pagesTop_ = pagesTop;
    add(strip, twips);
}

double TwipsLayout::neededFactor() const
{
    double factor = 1;
    const auto need = [&factor](double neededPixels, int designTwips) {
        if (designTwips > 0)
            factor = std::max(factor, neededPixels / pixels(designTwips, 1));
    };
    for (const Item& item : items_) {
        if (const auto* button = qobject_cast<const QPushButton*>(item.control)) {
            const QSize size = buttonNeed(*button);
            need(size.width(), item.twips.width());
            need(size.height(), item.twips.height());
        } else if (const auto* box = qobject_cast<const QLineEdit*>(item.control)) {
            need(box->minimumSizeHint().height(), item.twips.height());
        }
    }
    if (strip_) {
        const QTabBar& tabs = *strip_->tabBar();
        const int frame = strip_->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
        need(tabs.sizeHint().width() + 2 * frame, stripTwips_.width());
        need(tabs.sizeHint().height() + frame, pagesTop_ - stripTwips_.top());
    }
    return factor;
}

QRect TwipsLayout::scaled(QRect twips) const
{
    const int left = int(std::lround(pixels(twips.left(), factor_)));
    const int top = int(std::lround(pixels(twips.top(), factor_)));
    const int right = int(std::lround(pixels(twips.left() + twips.width(), factor_)));
    const int bottom = int(std::lround(pixels(twips.top() + twips.height(), factor_)));
    return QRect(left, top, right - left, bottom - top);
}

void TwipsLayout::apply(QWidget& window, QSize innerTwips)
{
    factor_ = neededFactor();
    for (const Item& item : std::as_const(items_)) {
        QRect place = scaled(item.twips);
        const bool growsInPlace = qobject_cast<QLabel*>(item.control) && item.picture.isEmpty();
        if (growsInPlace || item.control->inherits("QRadioButton")) {
            const QSize least = item.control->minimumSizeHint();
            place.setWidth(std::max(place.width(), least.width()));
            place.setHeight(std::max(place.height(), least.height()));
        }
        item.control->setGeometry(place);
        if (!item.picture.isEmpty()) {
            auto* label = static_cast<QLabel*>(item.control);
            const qreal ratio = window.devicePixelRatioF();
            QPixmap pixmap(place.size() * ratio);
            pixmap.fill(Qt::transparent);
            QPainter painter(&pixmap);
            QSvgRenderer(item.picture).render(&painter);
            painter.end();
            pixmap.setDevicePixelRatio(ratio);
            label->setPixmap(pixmap);
        }
    }
    window.setFixedSize(scaled(QRect(QPoint(0, 0), innerTwips)).size());
}

} // namespace quenbrook
