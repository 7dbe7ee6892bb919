#include "app/memory_policy.hpp"

#include <cstdlib>
#include <cstring>

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

} // namespace
