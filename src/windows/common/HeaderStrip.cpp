// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/common/HeaderStrip.h"

#include <QLabel>

#include <algorithm>

namespace quenbrook {
namespace {

QLabel* makePanel(const QString& key, const QString& text, QWidget* parent)
{
    auto* panel = new QLabel(text, parent);
    panel->setObjectName(key);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setIndent(4);
    return panel;
}

} // namespace

HeaderStrip::HeaderStrip(const QString& firstKey, const QString& firstText,
                         const QString& secondKey, const QString& secondText, QWidget* parent)
    : QWidget(parent)
    , first_(makePanel(firstKey, firstText, this))
    , second_(makePanel(secondKey, secondText, this))
{
    setFixedHeight(first_->sizeHint().height() + 4);
}

void HeaderStrip::setPanelWidths(int first, int second)
{
    first_->setGeometry(0, 0, std::max(first, 0), height());
    second_->setGeometry(first, 0, std::max(second, 0), height());
}

QLabel* HeaderStrip::panel(const QString& key) const
{
    return key == first_->objectName() ? first_ : second_;
}

} // namespace quenbrook
