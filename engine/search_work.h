// The search's working storage, kept by whoever searches and reused by every search:
// the wait bounds worked out so far and the ranking's scratch space. Large: allocate
// it once, on the heap.
#pragma once

#include "engine/route.h"
#include "engine/wait_bound.h"

namespace tnx {

struct TSearchWork {
    TWaitBounds Bounds;
    TRouteScratch Scratch;
};

}  // namespace tnx
