#include <gtest/gtest.h>

#include <cmath>

#include "model/player_rules.hpp"
#include "model/world.hpp"
#include "view/camera.hpp"

namespace {

std::shared_ptr<model::heightmap> small_map() { return std::make_shared<model::heightmap>(4, 4); }

void expect_near(const vec3& actual, const vec3& expected, float tolerance = 1e-4f)
{
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

TEST(camera, projection_is_60_degrees_from_1_to_50)
{
    const view::camera camera(800.0f, 600.0f);
    const mat4 p = camera.projection_matrix();
    // glm indexes [column][row].
    EXPECT_FLOAT_EQ(p[0][0], 1.2990381f);
    EXPECT_FLOAT_EQ(p[1][1], 1.7320508f);
    EXPECT_FLOAT_EQ(p[2][2], -1.0408163f);
    EXPECT_FLOAT_EQ(p[2][3], -1.0f);
    EXPECT_FLOAT_EQ(p[3][2], -2.0408163f);
    EXPECT_EQ(p[3][3], 0.0f);
    EXPECT_EQ(camera.far_distance(), 50.0f);
    EXPECT_EQ(view::camera(100.0f, 1000.0f).far_distance(), 50.0f);
}

TEST(camera, yaw_zero_looks_along_plus_y_from_behind_and_above)
{
    world w(small_map());
    w.player.position = vec3(1.0f, 2.0f, 3.0f);
    view::camera camera(800.0f, 600.0f);
    camera.follow(w);
    expect_near(camera.eye_position(), vec3(1.0f, 2.0f - 8.386706f, 3.0f + 5.446390f));
    // 33 degrees below the horizon.
    expect_near(camera.direction(), vec3(0.0f, 0.838671f, -0.544639f));
    // The player is straight ahead, 10 units in front of the eye.
    const vec4 seen = camera.view_matrix() * vec4(w.player.position, 1.0f);
    expect_near(vec3(seen), vec3(0.0f, 0.0f, -10.0f));
}

TEST(camera, growing_yaw_carries_the_eye_counter_clockwise)
{
    world w(small_map());
    w.player.position = vec3(0.0f);
    w.camera_orbit.yaw = 1.5707964f;
    view::camera camera(800.0f, 600.0f);
    camera.follow(w);
    expect_near(camera.eye_position(), vec3(8.386706f, 0.0f, 5.446390f));
}

TEST(camera, distance_of_zero_or_less_keeps_the_eye_a_tenth_away)
{
    world w(small_map());
    w.player.position = vec3(5.0f, 5.0f, 0.0f);
    w.camera_orbit.distance = 0.0f;
    view::camera camera(800.0f, 600.0f);
    camera.follow(w);
    expect_near(camera.eye_position(), vec3(5.0f, 5.0f - 0.0838671f, 0.0544639f), 1e-6f);
    w.camera_orbit.distance = -3.0f;
    camera.follow(w);
    expect_near(camera.eye_position(), vec3(5.0f, 5.0f - 0.0838671f, 0.0544639f), 1e-6f);
}

TEST(camera, after_long_dragging_the_screen_top_still_matches_the_aim)
{
    world w(small_map());
    w.game_state.phase = 1;
    view::camera camera(800.0f, 600.0f);
    for (float yaw : {7.0f, 361.0f, -400.0f}) {
        w.camera_orbit.yaw = yaw;
        // Cursor straight above the window centre.
        player_input input;
        input.window_width = 800;
        input.window_height = 600;
        input.cursor_x = 400.0;
        input.cursor_y = 0.0;
        update_player(w, input, 0.0f);
        camera.follow(w);
        const vec3 look = camera.direction();
        const vec2 ground = glm::normalize(vec2(look.x, look.y));
        EXPECT_NEAR(ground.x, -std::sin(w.player.aim), 1e-3f) << "yaw " << yaw;
        EXPECT_NEAR(ground.y, std::cos(w.player.aim), 1e-3f) << "yaw " << yaw;
    }
}

} // namespace
