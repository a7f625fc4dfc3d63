// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <atomic>

namespace quenbrook {

// Raised from any thread, or from a signal handler, to make the picture loads under way give up
// soon; they then refuse their picture as interrupted.
using LoadStop = std::atomic<bool>;

inline bool stopRaised(const LoadStop* stop)
{
    return stop && stop->load(std::memory_order_relaxed);
}

} // namespace quenbrook
