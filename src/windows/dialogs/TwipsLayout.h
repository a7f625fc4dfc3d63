// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QList>
#include <QRect>
#include <QSize>
#include <QString>

class QLabel;
class QWidget;

namespace quenbrook {

class TabStrip;

// Places controls from design rectangles in twips, each in its parent's coordinates.
//
// At the design font a pixel is TwipsPerPixel twips. When the font at hand needs more room, every
// position and size grows by one factor, chosen so that the buttons, the text boxes and the tabs
// show their texts whole; the window keeps its proportions. Labels and option buttons have room
// to their right and below, so they grow in place instead.
class TwipsLayout
{
public:
    void add(QWidget* control, QRect twips);
    // An SVG picture from the dialogs' resources, drawn at its final size.
    void addPicture(QLabel* picture, const QString& resource, QRect twips);
    // The tabs have to fit between the top of the strip and pagesTop (twips, window
    // coordinates), where the pages start.
    void addTabStrip(TabStrip* strip, QRect twips, int pagesTop);

    // Gives every control its geometry and the window its fixed size.
    void apply(QWidget& window, QSize innerTwips);
    double factor() const { return factor_; }

private:
    struct Item
    {
        QWidget* control = nullptr;
        QRect twips;
        QString picture;
    };

    double neededFactor() const;
    QRect scaled(QRect twips) const;

    QList<Item> items_;
    TabStrip* strip_ = nullptr;
    QRect stripTwips_;
    int pagesTop_ = 0;
    double factor_ = 1;
};

} // namespace quenbrook
