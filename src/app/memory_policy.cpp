#include "app/memory_policy.hpp"

#include <cstdlib> // defines __GLIBC__ on the GNU C library

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace kalvanor {

void keep_heap_memory()
{
#ifdef __GLIBC__
    // The software GL driver allocates and frees some seventy 64 KiB blocks every frame, and a
    // number of larger ones while it starts. Left to itself, the C library hands the top of the
    // heap back to the system whenever enough of it is free, takes it again a frame later, and
    // moves its threshold for mapping large blocks on their own as they are freed: the resident
    // size depends on the moment it is read and wandered by megabytes with nothing leaking. A
    // fixed threshold (the largest the library allows) and a heap that never shrinks make
    // resident memory rise to what the heaviest frames need and stay there.
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, -1);
#endif
}

} // namespace kalvanor
