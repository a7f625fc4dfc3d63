// SPDX-License-Identifier: GPL-2.0-or-later
#include "windows/common/MainWindowFrame.h"

#include "core/geometry/TwipsPlacement.h"
#include "core/program/Application.h"
#include "core/program/PlacementKeys.h"
#include "core/program/ProgramKeys.h"
#include "core/settings/NumberRules.h"
#include "core/settings/SettingsStore.h"
#include "windows/common/WindowServices.h"

#include <QCloseEvent>
#include <QMainWindow>

namespace quenbrook {

MainWindowFrame::MainWindowFrame(QMainWindow& window, const WindowServices& services,
                                 QString section, QString startWord,
                                 std::function<void()> layoutPass, Writer write)
    : window_(window)
    , services_(services)
    , section_(std::move(section))
    , startWord_(std::move(startWord))
    , layoutPass_(std::move(layoutPass))
    , write_(std::move(write))
    , outer_(window)
{
    window_.installEventFilter(this);
}

float MainWindowFrame::stored(const QString& key, float defaultValue) const
{
    return PlacementValue(
        services_.store.GetSetting(QString::fromUtf16(ApplicationTitle), section_, key),
        defaultValue);
}

OuterPlacement MainWindowFrame::open(const OuterPlacement& defaults)
{
    const OuterPlacement placed = PlaceOnScreen({stored(PlacementKeys::Left, defaults.Left),
                                                 stored(PlacementKeys::Top, defaults.Top),
                                                 stored(PlacementKeys::Width, defaults.Width),
                                                 stored(PlacementKeys::Height, defaults.Height)},
                                                ScreenTwips());
    outer_.place(placed.Left, placed.Top, placed.Width, placed.Height);
    return placed;
}

void MainWindowFrame::writePlacement()
{
    write(section_, PlacementKeys::Left, NumberText(outer_.left()));
    write(section_, PlacementKeys::Top, NumberText(outer_.top()));
    write(section_, PlacementKeys::Width, NumberText(outer_.width()));
    write(section_, PlacementKeys::Height, NumberText(outer_.height()));
}

void MainWindowFrame::exit()
{
    write(ProgramKeys::Section, ProgramKeys::Start, startWord_);
    services_.ending.endProgram();
}

void MainWindowFrame::close(QCloseEvent& event)
{
    if (services_.ending.otherWindowVisible(window_)) {
        event.ignore();
        window_.hide();
        return;
    }
    write(ProgramKeys::Section, ProgramKeys::Start, startWord_);
    if (!window_.isMinimized()) {
        write(section_, PlacementKeys::Left, NumberText(outer_.left()));
        write(section_, PlacementKeys::Top, NumberText(outer_.top()));
    }
    event.accept();
    services_.ending.endProgram();
}

void MainWindowFrame::write(const QString& section, const QString& key, const QString& value)
{
    if (write_)
        write_(section, key, value);
    else
        services_.store.SaveSetting(QString::fromUtf16(ApplicationTitle), section, key, value);
}

// The window's own layout has placed its central widget by the time a resize arrives here.
bool MainWindowFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &window_)
        return false;
    switch (event->type()) {
    case QEvent::Resize:
    case QEvent::WindowStateChange:
        if (window_.isVisible())
            layoutPass_();
        return false;
    case QEvent::Show:
        if (!shown_) {
            shown_ = true;
            layoutPass_();
        }
        return false;
    case QEvent::Close:
        close(static_cast<QCloseEvent&>(*event));
        return true;
    default:
        return false;
    }
}

} // namespace quenbrook
