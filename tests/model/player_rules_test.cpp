#include <gtest/gtest.h>

#include <cmath>

#include "model/player_rules.hpp"
#include "world_fixtures.hpp"

namespace {

constexpr float pi = 3.14159265f;

class player_rules_test : public testing::Test {
protected:
    player_rules_test() : w(test::flat_map()) { w.game_state.phase = 1; }

    void frames(int count, float dt = 0.1f)
    {
        for (int k = 0; k < count; ++k) {
            update_player(w, input, dt);
        }
    }

    world w;
    player_input input = test::cursor_up();
};

TEST_F(player_rules_test, heading_zero_drives_along_plus_y_and_a_turns_counter_clockwise)
{
    input.forward = true;
    frames(10); // 1 s at speed 7
    EXPECT_NEAR(w.player.position.x, 20.0f, 1e-4f);
    EXPECT_NEAR(w.player.position.y, 7.0f, 1e-4f);
    EXPECT_EQ(w.player.position.z, 0.0f); // put on the ground

    input.forward = false;
    input.left = true;
    frames(10); // a quarter turn: now facing -x
    EXPECT_NEAR(w.player.heading, pi / 2.0f, 1e-5f);
    input.left = false;
    input.back = true;
    frames(10);
    EXPECT_NEAR(w.player.position.x, 27.0f, 1e-4f);
    EXPECT_NEAR(w.player.position.y, 7.0f, 1e-4f);
}

TEST_F(player_rules_test, aim_follows_the_cursor_plus_the_orbit_yaw_and_the_centre_keeps_it)
{
    const struct { double x, y; float yaw, aim; } cases[] = {
        {400.0, 100.0, 0.0f, 0.0f},      // top of the screen: away from the camera
        {700.0, 300.9, 0.0f, 1.5f * pi}, // right: faces +x (whole pixels count)
        {100.0, 300.0, 0.0f, 0.5f * pi}, // left: faces -x
        {400.0, 500.0, 1.0f, pi + 1.0f}, // bottom: toward the camera
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
        input.cursor_x = c.x;
        input.cursor_y = c.y;
        w.camera_orbit.yaw = c.yaw;
        frames(1);
        EXPECT_NEAR(w.player.aim, c.aim, 1e-5f);
    }
    // The centre points nowhere; an odd width still has a whole-pixel centre, 801 / 2 = 400.
    const float previous = w.player.aim;
    input.window_width = 801;
    input.cursor_x = 400.5;
    input.cursor_y = 300.0;
    frames(1);
    EXPECT_EQ(w.player.aim, previous);
}

TEST_F(player_rules_test, drowning_starts_at_exactly_water_level_minus_0_2)
{
    w.player.health = 50.0f;
    w.game_state.water_level = 0.19f;
    frames(1);
    EXPECT_FALSE(w.player.hit);
    EXPECT_FLOAT_EQ(w.player.health, 50.15f); // regeneration only

    w.game_state.water_level = 0.2f;
    frames(1);
    EXPECT_TRUE(w.player.hit);
    EXPECT_FLOAT_EQ(w.player.health, 50.15f - 4.0f + 0.15f);
}

TEST_F(player_rules_test, beam_heats_overheats_and_cools_down_across_frames)
{
    w.enemies.push_back(test::enemy_at(20.0f, 10.0f)); // in the line of fire
    input.fire = true;
    // 0.5 s frames with the button held: exactly max_heat is still fine, exceeding it forces the
    // beam off until the heat is back to 0, and then it fires again in the same frame.
    const struct { float heat; bool firing, overheated; } expected[] = {
        {25, true, false}, {50, true, false}, {75, true, false}, {100, true, false}, {100, true, true},
        {75, false, true}, {50, false, true}, {25, false, true}, {0, false, true}, {25, true, false}};
    for (int k = 0; k < 10; ++k) {
        SCOPED_TRACE(k);
        frames(1, 0.5f);
        EXPECT_EQ(w.beam_weapon.heat, expected[k].heat);
        EXPECT_EQ(w.beam_weapon.firing, expected[k].firing);
        EXPECT_EQ(w.beam_weapon.overheated, expected[k].overheated);
        EXPECT_EQ(w.enemies[0].hit, expected[k].firing);
    }
}

TEST(beam_direction, runs_parallel_to_the_ground)
{
    auto gap = [](vec3 normal, float aim, vec3 expected) {
        return glm::distance(beam_direction(glm::normalize(normal), aim), glm::normalize(expected));
    };
    EXPECT_NEAR(gap({0, 0, 1}, 0.0f, {0, 1, 0}), 0.0f, 1e-5f);
    // Ground rising 1 in 2 along +x, aimed at +x: the beam climbs with it.
    EXPECT_NEAR(gap({-1, 0, 2}, 1.5f * pi, {2, 0, 1}), 0.0f, 1e-5f);
    // Rising along +y, aimed down the slope at -y.
    EXPECT_NEAR(gap({0, -1, 2}, pi, {0, -2, -1}), 0.0f, 1e-5f);
}

} // namespace
