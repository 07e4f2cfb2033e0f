#include "platform/ProcessMemory.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include <cstdio>
#include <unistd.h>

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

qint64 ResidentBytes()
{
    long long pages = 0;
    long long resident = 0;
    FILE *statm = std::fopen("/proc/self/statm", "r");
    if (!statm)
        return 0;
    if (std::fscanf(statm, "%lld %lld", &pages, &resident) != 2)
        resident = 0;
    std::fclose(statm);
    return qint64(resident) * sysconf(_SC_PAGESIZE);
}

} // namespace ProcessMemory
