#include <gtest/gtest.h>

#include "model/orbit_rules.hpp"
#include "world_fixtures.hpp"

namespace {

TEST(orbit_rules, held_drag_turns_at_its_offset_over_128_per_second_limited_both_ways)
{
    world w(test::flat_map());
    const struct { double x; float dt, yaw_per_frame; } cases[] = {
        {564.0, 0.5f, 0.25f}, {436.7, 0.5f, -0.25f}, // whole pixels: 436
        {1500.0, 0.1f, 0.31415927f}, {-500.0, 0.1f, -0.31415927f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.x);
        orbit_drag drag;
        w.camera_orbit.yaw = 0.0f;
        update_orbit(w, drag, {true, 500.0}, c.dt); // the press only anchors the drag
        EXPECT_EQ(w.camera_orbit.yaw, 0.0f);
        // Held still: both frames measure from the anchor.
        update_orbit(w, drag, {true, c.x}, c.dt);
        update_orbit(w, drag, {true, c.x}, c.dt);
        EXPECT_FLOAT_EQ(w.camera_orbit.yaw, 2.0f * c.yaw_per_frame);
    }
}

} // namespace
