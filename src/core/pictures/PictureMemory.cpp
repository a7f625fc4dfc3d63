// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/pictures/PictureMemory.h"

#include <malloc.h>

namespace quenbrook {

void ReusePictureMemory()
{
    // The most the C library lets stay in the heap; larger blocks are still mapped.
    constexpr int Largest = 32 * 1024 * 1024;
    mallopt(M_MMAP_THRESHOLD, Largest);
    mallopt(M_TRIM_THRESHOLD, 2 * Largest);
}

} // namespace quenbrook
