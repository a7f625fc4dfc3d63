// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QWidget>

class QLabel;

namespace quenbrook {

// stsbarHeader: two sunken text panels side by side under a window's toolbar, each found by
// its key.
class HeaderStrip : public QWidget
{
    Q_OBJECT
public:
    HeaderStrip(const QString& firstKey, const QString& firstText, const QString& secondKey,
                const QString& secondText, QWidget* parent = nullptr);

    // Widths in pixels, the first panel from the left edge.
    void setPanelWidths(int first, int second);
    // The panel of that key; the second panel for any other key.
    QLabel* panel(const QString& key) const;

private:
    QLabel* first_;
    QLabel* second_;
};

} // namespace quenbrook
