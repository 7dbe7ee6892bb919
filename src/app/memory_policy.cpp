#include "app/memory_policy.hpp"

#include <cstddef>
#include <cstdint>
#include <cstdlib> // defines __GLIBC__ on the GNU C library

#ifdef __GLIBC__
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace kalvanor {

#ifdef __GLIBC__
namespace {

constexpr std::size_t huge_page = std::size_t{2} << 20;
// The start's share of the heap (its targets, textures and meshes take about 60 MB) with room to
// spare; untouched, it is only address space.
constexpr std::size_t starting_heap = std::size_t{128} << 20;

// The heap's address range that is advised to use huge pages while the game starts.
char* advised_begin = nullptr;
char* advised_end = nullptr;

} // namespace
#endif

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

    // While it starts, the driver zeroes every texture and target it creates, some 60 MB, and
    // each 4 KiB page that is touched first costs a fault: a tenth of a second on a virtual
    // machine. The heap grows once by what the start needs, advised to take huge pages, which
    // fault in 2 MiB at a time; settle_heap_memory() ends that.
    char* const before = static_cast<char*>(sbrk(0));
    mallopt(M_TOP_PAD, static_cast<int>(starting_heap));
    // Volatile, or the compiler drops a block that is freed unused.
    void* volatile grown = std::malloc(1 << 20);
    std::free(grown);
    mallopt(M_TOP_PAD, 128 * 1024); // the library's default again
    char* const after = static_cast<char*>(sbrk(0));
    const auto align = [](char* p, std::uintptr_t up) {
        return reinterpret_cast<char*>((reinterpret_cast<std::uintptr_t>(p) + up) & ~(huge_page - 1));
    };
    char* const begin = align(before, huge_page - 1);
    char* const end = align(after, 0);
    if (end > begin && madvise(begin, static_cast<std::size_t>(end - begin), MADV_HUGEPAGE) == 0) {
        advised_begin = begin;
        advised_end = end;
    }
#endif
}

void settle_heap_memory()
{
#ifdef __GLIBC__
    // Left advised, the kernel would go on to gather the heap's sparse pages into huge ones for
    // minutes, and the resident size would grow with nothing allocated. The huge pages that the
    // start touched stay.
    if (advised_end > advised_begin) {
        madvise(advised_begin, static_cast<std::size_t>(advised_end - advised_begin), MADV_NOHUGEPAGE);
        advised_begin = advised_end = nullptr;
    }
#endif
}

} // namespace kalvanor
