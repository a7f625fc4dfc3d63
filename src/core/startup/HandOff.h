// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

#include <functional>

namespace quenbrook {

// How a start of the program meets the instance that is already running: a later start hands its
// command line over and ends; the first one serves the later ones.
class HandOff
{
public:
    using CommandHandler = std::function<void(const QString& text)>;

    virtual ~HandOff() = default;

    // True when another instance is running and takes this start's command. False when this
    // process is the instance: from then on it accepts later starts' commands (queued until
    // LoadServer gives them a handler). Two starts at the same moment: exactly one gets false.
    virtual bool PrevInstance() = 0;

    // Hands the command text to the running instance and waits for its acknowledgement: one
    // request, at most five attempts of ten seconds each. Gives up silently when the instance took
    // the request and never answered; says why when it reached no instance at all.
    virtual void SendCommand(const QString& text) = 0;

    // Passes every command handed over, on this thread, one at a time, in arrival order, each
    // once. Commands queued before this call are passed once control returns to the event loop.
    virtual void LoadServer(CommandHandler run) = 0;
};

} // namespace quenbrook
