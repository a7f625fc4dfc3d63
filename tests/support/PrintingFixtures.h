// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// Set-up shared by the printing tests.

#include "support/AlbumFixtures.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <functional>

namespace printingtest {

using namespace albumtest;

// Closes every message box, keeping it as "critical: text" (lines joined by "|"), calls
// onPaint whenever a widget paints, as the Printing window does before each picture, and
// onModal with any other modal window while it shows.
class WindowWatcher : public QObject
{
public:
    explicit WindowWatcher(std::function<void()> onPaint = {})
        : onPaint_(std::move(onPaint))
    {
        connect(&timer_, &QTimer::timeout, this, [this] {
            for (QWidget* window : QApplication::topLevelWidgets())
                if (auto* box = qobject_cast<QMessageBox*>(window); box && box->isVisible()) {
                    const bool critical = box->icon() == QMessageBox::Critical &&
                                          box->windowTitle() == QLatin1String("Quenbrook");
                    messages << (critical ? "critical: " : "other: ") +
                                    box->text().replace('\n', '|');
                    box->button(QMessageBox::Ok)->click();
                }
            if (QWidget* modal = QApplication::activeModalWidget(); modal && onModal)
                onModal(modal);
        });
        timer_.start(5);
        qApp->installEventFilter(this);
    }

    QStringList messages;
    std::function<void(QWidget*)> onModal;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && onPaint_)
            onPaint_();
        return false;
    }

private:
    std::function<void()> onPaint_;
    QTimer timer_;
};

// Picture i is 20 + i pixels wide, so a drawing tells which one it is.
inline QStringList numberedPictures(const QTemporaryDir& dir, int count)
{
    QStringList list;
    for (int i = 0; i < count; ++i)
        list << solidPicture(dir, QStringLiteral("pic%1.bmp").arg(i), QSize(20 + i, 10));
    return list;
}

} // namespace printingtest
