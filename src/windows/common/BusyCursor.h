// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

namespace quenbrook {

// The hourglass for the life of the object; the usual pointer comes back on every way out.
class BusyCursor
{
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace quenbrook
