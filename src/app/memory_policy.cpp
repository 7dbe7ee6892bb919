#include "app/memory_policy.hpp"

#include <cstdlib> // defines __GLIBC__ on the GNU C library

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace kalvanor {

void keep_heap_memory()
{
#ifdef __GLIBC__
    // The software GL driver allocates and frees large blocks as it draws. Left to itself, the C
    // library returns such memory to the system and takes it back later, fresh pages and all, and
    // how much stays resident depends on the last few frames: the game's resident size wandered
    // by several megabytes over ten minutes of play with nothing leaking. Blocks up to 32 MiB
    // (the most the library allows) now come from the heap, which never shrinks, so resident
    // memory grows to what the heaviest frames need and stays there.
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, -1);
#endif
}

} // namespace kalvanor
