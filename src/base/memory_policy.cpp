#include "base/memory_policy.h"

#if __has_include(<malloc.h>)
#include <malloc.h>
#endif

namespace MemoryPolicy {

void tuneAllocator() {
#if defined(__GLIBC__) && defined(M_TRIM_THRESHOLD)
    // Blocks up to 32 MB (the most the library allows) are served from the heap, and freed
    // memory at its top is kept up to kKept before it is returned. Either setting alone ends
    // the library's own adjustment of the other, so both are given.
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, int(kKept));
#endif
#if defined(__GLIBC__) && defined(M_MXFAST)
    mallopt(M_MXFAST, 0); // no fast bins
#endif
}

} // namespace MemoryPolicy
