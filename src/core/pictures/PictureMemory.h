// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

namespace quenbrook {

// A picture's buffers (its file's bytes, its pixels) are a few megabytes each. Taken from and
// given back to the heap rather than mapped afresh for each picture, the pages one picture used
// serve the next, instead of being faulted in one by one each time. Each program calls this once
// at its start.
void ReusePictureMemory();

} // namespace quenbrook
