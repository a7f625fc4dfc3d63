// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/geometry/TwipsPlacement.h"
#include "windows/common/OuterTwips.h"

#include <QObject>
#include <QString>

#include <functional>

class QCloseEvent;
class QMainWindow;

namespace quenbrook {

struct WindowServices;

// What the two main windows share around their contents. The window opens where it was left, kept
// to the screen (PlaceOnScreen). After every change of size or state while it is visible,
// and when it is first shown, its layout pass runs. Closed while another main window is visible
// it only hides; closed as the last one, or by Exit, it is remembered as the window the next
// start opens (closing also remembers its position, unless minimised) and the program ends.
class MainWindowFrame : public QObject
{
public:
    // Every write of the frame: section, key, value.
    using Writer = std::function<void(const QString&, const QString&, const QString&)>;

    // section: where the window's placement is kept; startWord: what "Start" says for it.
    // Writes go to the store unless a writer is given.
    MainWindowFrame(QMainWindow& window, const WindowServices& services, QString section,
                    QString startWord, std::function<void()> layoutPass, Writer write = {});

    // Places the window from the stored Left, Top, Width and Height, kept to the screen, and
    // returns where it was put; a value missing or not a number takes the default's.
    OuterPlacement open(const OuterPlacement& defaults);
    // A number of the window's section, read as a placement value.
    float stored(const QString& key, float defaultValue) const;
    // Left, Top, Width and Height as they are now.
    void writePlacement();
    // The Exit command.
    void exit();

    OuterTwips& outer() { return outer_; }
    const OuterTwips& outer() const { return outer_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void close(QCloseEvent& event);
    void write(const QString& section, const QString& key, const QString& value);

    QMainWindow& window_;
    const WindowServices& services_;
    QString section_;
    QString startWord_;
    std::function<void()> layoutPass_;
    Writer write_;
    OuterTwips outer_;
    bool shown_ = false;
};

} // namespace quenbrook
