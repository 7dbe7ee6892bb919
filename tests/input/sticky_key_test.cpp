#include <gtest/gtest.h>

#include "input/sticky_key.hpp"

namespace {

using kalvanor::sticky_key_down;

TEST(sticky_key, a_tap_between_frames_counts_once_and_a_hold_ends_when_released)
{
    // A tap between two frames: pressed once, then up.
    EXPECT_TRUE(sticky_key_down(true, false, false));
    EXPECT_FALSE(sticky_key_down(false, false, true));
    // Held over frames, then let go: up in the first frame after, as without sticky keys.
    EXPECT_TRUE(sticky_key_down(true, true, false));
    EXPECT_TRUE(sticky_key_down(true, true, true));
    EXPECT_FALSE(sticky_key_down(true, false, true));
    EXPECT_FALSE(sticky_key_down(false, false, false));
}

} // namespace
