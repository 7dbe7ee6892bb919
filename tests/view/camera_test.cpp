#include <gtest/gtest.h>

#include <cmath>

#include "model/world_fixtures.hpp"
#include "view/camera.hpp"

namespace {

// That it looks at the player shows in the snapshot and end-to-end tests, which find the robot and
// the beam's start in the middle of the picture, and in the test below.
TEST(camera, eye_circles_the_player_57_degrees_from_the_vertical)
{
    world w(test::flat_map());
    w.player.position = vec3(1.0f, 2.0f, 3.0f);
    const float h = 8.386706f; // 10 sin 57 degrees
    const float v = 5.446390f; // 10 cos 57 degrees
    const struct { float yaw, distance; vec3 eye; } cases[] = {
        {0.0f, 10.0f, {1.0f, 2.0f - h, 3.0f + v}},                // behind the player, looking along +y
        {1.5707964f, 10.0f, {1.0f + h, 2.0f, 3.0f + v}},          // growing yaw: counter-clockwise
        {0.0f, 0.0f, {1.0f, 2.0f - h / 100.0f, 3.0f + v / 100.0f}}, // never closer than a tenth
    };
    view::camera camera(800.0f, 600.0f);
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "yaw " << c.yaw << ", distance " << c.distance);
        w.camera_orbit.yaw = c.yaw;
        w.camera_orbit.distance = c.distance;
        camera.follow(w);
        EXPECT_NEAR(glm::distance(camera.eye_position(), c.eye), 0.0f, 1e-5f);
    }
}

TEST(camera, after_long_dragging_the_screen_top_still_matches_the_aim)
{
    world w(test::flat_map());
    w.game_state.phase = 1;
    view::camera camera(800.0f, 600.0f);
    // Yaws whose reduction by 360 instead of by 2pi would turn the eye away from the aim.
    for (float yaw : {361.0f, -400.0f}) {
        w.camera_orbit.yaw = yaw;
        update_player(w, test::cursor_up(), 0.0f);
        camera.follow(w);
        const vec3 look = camera.direction();
        const vec2 ground = glm::normalize(vec2(look.x, look.y));
        EXPECT_NEAR(ground.x, -std::sin(w.player.aim), 1e-3f) << "yaw " << yaw;
        EXPECT_NEAR(ground.y, std::cos(w.player.aim), 1e-3f) << "yaw " << yaw;
    }
}

} // namespace
