// The registry is all in its header; this file gives the doubles' library its object.
#include "support/MemoryRegistry.h"
