// SPDX-License-Identifier: GPL-2.0-or-later
// The registry is all in its header; this file gives the doubles' library its object.
#include "support/MemoryRegistry.h"
