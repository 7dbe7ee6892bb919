#include "app/memory_policy.hpp"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#ifdef __GLIBC__
#include <malloc.h>
#endif

// gcc says so with a macro, clang through __has_feature.
#if defined(__SANITIZE_ADDRESS__)
#define KALVANOR_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KALVANOR_ADDRESS_SANITIZER 1
#endif
#endif

namespace {

// Large blocks must come from the heap, and the heap must keep what is freed, or the game's
// resident size wanders with the driver's blocks (scripts/soak.sh measures it).
TEST(memory_policy, large_blocks_come_from_the_heap_and_it_keeps_them)
{
#if defined(KALVANOR_ADDRESS_SANITIZER)
    GTEST_SKIP() << "the sanitizers bring their own allocator";
#elif !defined(__GLIBC__)
    GTEST_SKIP() << "only the GNU C library is told how to keep memory";
#else
    kalvanor::keep_heap_memory();
    constexpr std::size_t size = 8 << 20;
    const struct mallinfo2 before = mallinfo2();
    char* volatile block = static_cast<char*>(std::malloc(size));
    ASSERT_NE(block, nullptr);
    std::memset(block, 1, size);
    const struct mallinfo2 held = mallinfo2();
    std::free(block);
    const struct mallinfo2 after = mallinfo2();

    EXPECT_EQ(held.hblkhd, before.hblkhd) << "the block was mapped on its own";
    EXPECT_EQ(after.arena, held.arena) << "the heap shrank when the block was freed";
#endif
}

#if defined(__GLIBC__) && !defined(KALVANOR_ADDRESS_SANITIZER)
// The flags that /proc/self/smaps gives the mapping holding `address`, each with a space before.
std::string flags_of_mapping(const void* address)
{
    std::ifstream smaps("/proc/self/smaps");
    const auto at = reinterpret_cast<std::uintptr_t>(address);
    bool inside = false;
    for (std::string line; std::getline(smaps, line);) {
        std::uintptr_t begin = 0;
        std::uintptr_t end = 0;
        char dash = 0;
        std::istringstream range(line);
        if (range >> std::hex >> begin >> dash >> end && dash == '-') {
            inside = begin <= at && at < end;
        } else if (inside && line.rfind("VmFlags:", 0) == 0) {
            return line.substr(8) + " ";
        }
    }
    return "";
}
#endif

// Blocks allocated while the game starts come from heap advised to take huge pages, and that ends
// when it has started, or the kernel would keep gathering the heap's pages into huge ones.
TEST(memory_policy, the_start_takes_huge_pages_and_only_the_start)
{
#if defined(KALVANOR_ADDRESS_SANITIZER) || !defined(__GLIBC__)
    GTEST_SKIP() << "only the GNU C library's heap is advised";
#else
    if (!std::ifstream("/sys/kernel/mm/transparent_hugepage/enabled")) {
        GTEST_SKIP() << "the kernel has no huge pages for the heap";
    }
    kalvanor::keep_heap_memory();
    constexpr std::size_t size = 16 << 20;
    char* volatile block = static_cast<char*>(std::malloc(size));
    ASSERT_NE(block, nullptr);
    const char* middle = block + size / 2;
    EXPECT_NE(flags_of_mapping(middle).find(" hg "), std::string::npos) << flags_of_mapping(middle);
    kalvanor::settle_heap_memory();
    EXPECT_EQ(flags_of_mapping(middle).find(" hg "), std::string::npos) << flags_of_mapping(middle);
    EXPECT_NE(flags_of_mapping(middle).find(" nh "), std::string::npos) << flags_of_mapping(middle);
    std::free(block);
#endif
}

} // namespace
