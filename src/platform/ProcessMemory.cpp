#include "platform/ProcessMemory.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace ProcessMemory {

void KeepLargeBlocksApart()
{
#ifdef __GLIBC__
    // A fixed threshold also ends the allocator's own raising of it.
    mallopt(M_MMAP_THRESHOLD, 1 << 20);
#endif
}

void ReleaseFreed()
{
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

} // namespace ProcessMemory
