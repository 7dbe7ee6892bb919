#include <gtest/gtest.h>

#include "model/orbit_rules.hpp"
#include "world_fixtures.hpp"

namespace {

class orbit_rules_test : public testing::Test {
protected:
    orbit_rules_test() : w(test::flat_map()) {}

    // Presses the right button at x = 500 (the anchor frame), then holds it at x for one frame.
    float yaw_after_drag_to(double x, float dt)
    {
        update_orbit(w, drag, {true, 500.0}, dt);
        EXPECT_EQ(w.camera_orbit.yaw, 0.0f) << "the anchor frame must not turn";
        update_orbit(w, drag, {true, x}, dt);
        const float yaw = w.camera_orbit.yaw;
        update_orbit(w, drag, {false, x}, dt);
        w.camera_orbit.yaw = 0.0f;
        return yaw;
    }

    world w;
    orbit_drag drag;
};

TEST_F(orbit_rules_test, speed_is_the_offset_over_128_per_second)
{
    EXPECT_FLOAT_EQ(yaw_after_drag_to(564.0, 0.5f), 0.25f);
    EXPECT_FLOAT_EQ(yaw_after_drag_to(436.7, 0.5f), -0.25f); // whole pixels: 436
}

TEST_F(orbit_rules_test, speed_is_limited_in_both_directions)
{
    EXPECT_FLOAT_EQ(yaw_after_drag_to(1500.0, 0.1f), 0.31415927f);
    EXPECT_FLOAT_EQ(yaw_after_drag_to(-500.0, 0.1f), -0.31415927f);
}

TEST_F(orbit_rules_test, held_drag_keeps_turning_from_its_anchor_and_release_stops_it)
{
    update_orbit(w, drag, {true, 100.0}, 0.1f);
    for (int k = 0; k < 10; ++k) {
        update_orbit(w, drag, {true, 164.0}, 0.1f);
    }
    EXPECT_NEAR(w.camera_orbit.yaw, 0.5f, 1e-5f);

    // Released and pressed again elsewhere: a new anchor, so the first frame holds still.
    update_orbit(w, drag, {false, 164.0}, 0.1f);
    update_orbit(w, drag, {true, 300.0}, 0.1f);
    EXPECT_NEAR(w.camera_orbit.yaw, 0.5f, 1e-5f);
    EXPECT_EQ(drag.last_x, 300);
}

} // namespace
