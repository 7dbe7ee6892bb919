#include <gtest/gtest.h>

#include <cmath>

#include "model/player_rules.hpp"
#include "world_fixtures.hpp"

namespace {

constexpr float pi = 3.14159265f;

class player_rules_test : public testing::Test {
protected:
    player_rules_test() : w(test::flat_map())
    {
        w.game_state.phase = 1;
        // An 800 x 600 window with the cursor straight above the centre: aim along the orbit yaw.
        input.window_width = 800;
        input.window_height = 600;
        input.cursor_x = 400.0;
        input.cursor_y = 100.0;
    }

    void frames(int count, float dt = 0.1f)
    {
        for (int k = 0; k < count; ++k) {
            update_player(w, input, dt);
        }
    }

    world w;
    player_input input;
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

TEST_F(player_rules_test, opposite_keys_cancel_and_the_heading_stays_within_a_turn)
{
    input.forward = input.back = true;
    input.left = input.right = true;
    frames(5);
    EXPECT_EQ(w.player.position, vec3(20.0f, 0.0f, 0.0f));
    EXPECT_NEAR(w.player.heading, 0.0f, 1e-6f);

    input.left = false;
    frames(50); // 5 s clockwise: -7.85 rad, reduced keeping the sign
    EXPECT_NEAR(w.player.heading, -5.0f * pi / 2.0f + 2.0f * pi, 1e-4f);
}

TEST_F(player_rules_test, aim_follows_the_cursor_around_the_centre_plus_the_orbit_yaw)
{
    frames(1);
    EXPECT_NEAR(w.player.aim, 0.0f, 1e-6f); // top of the screen: away from the camera
    input.cursor_x = 700.0;
    input.cursor_y = 300.9; // whole pixels count
    frames(1);
    EXPECT_NEAR(w.player.aim, 1.5f * pi, 1e-5f); // right: faces +x
    input.cursor_x = 100.0;
    frames(1);
    EXPECT_NEAR(w.player.aim, 0.5f * pi, 1e-5f); // left: faces -x

    w.camera_orbit.yaw = 1.0f;
    input.cursor_x = 400.0;
    input.cursor_y = 500.0; // bottom: toward the camera
    frames(1);
    EXPECT_NEAR(w.player.aim, pi + 1.0f, 1e-5f);
}

TEST_F(player_rules_test, cursor_at_the_centre_keeps_the_previous_aim)
{
    input.cursor_x = 100.0;
    frames(1);
    const float previous = w.player.aim;
    // An odd width still has a whole-pixel centre: 801 / 2 = 400.
    input.window_width = 801;
    input.cursor_x = 400.5;
    input.cursor_y = 300.0;
    frames(1);
    EXPECT_EQ(w.player.aim, previous);
}

TEST_F(player_rules_test, drowning_starts_at_water_level_minus_0_2)
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

TEST_F(player_rules_test, regeneration_stops_at_full_health_but_runs_while_dead)
{
    w.player.health = 99.9f;
    frames(1);
    EXPECT_EQ(w.player.health, 100.0f);
    w.player.health = -10.0f;
    frames(2);
    EXPECT_FLOAT_EQ(w.player.health, -9.7f);
    EXPECT_EQ(w.player.health_fraction(), 0.0f);
}

TEST_F(player_rules_test, every_touching_enemy_hurts)
{
    // Touching means closer than the enemy's radius (2) plus 2.
    w.enemies.push_back(test::enemy_at(20.0f, 3.9f));
    w.enemies.push_back(test::enemy_at(16.5f, 0.0f));
    w.enemies.push_back(test::enemy_at(24.0f, 0.0f)); // exactly 4: not touching
    w.player.health = 50.0f;
    frames(1);
    EXPECT_TRUE(w.player.hit);
    EXPECT_FLOAT_EQ(w.player.health, 50.0f + 0.15f - 2.0f - 2.0f);

    w.enemies.erase(w.enemies.begin(), w.enemies.begin() + 2);
    frames(1);
    EXPECT_FALSE(w.player.hit);
}

TEST_F(player_rules_test, beam_heats_overheats_and_cools_down)
{
    input.fire = true;
    frames(4, 0.5f); // exactly max_heat is still fine
    EXPECT_TRUE(w.beam_weapon.firing);
    EXPECT_FALSE(w.beam_weapon.overheated);
    EXPECT_EQ(w.beam_weapon.heat, 100.0f);

    frames(1, 0.5f);
    EXPECT_TRUE(w.beam_weapon.firing);
    EXPECT_TRUE(w.beam_weapon.overheated);
    EXPECT_EQ(w.beam_weapon.heat, 100.0f);

    // Forced off while hot, although the button stays down.
    for (float heat : {75.0f, 50.0f, 25.0f, 0.0f}) {
        frames(1, 0.5f);
        EXPECT_FALSE(w.beam_weapon.firing);
        EXPECT_EQ(w.beam_weapon.heat, heat);
    }
    // Cool: the beam fires again in the same frame.
    frames(1, 0.5f);
    EXPECT_TRUE(w.beam_weapon.firing);
    EXPECT_FALSE(w.beam_weapon.overheated);
    EXPECT_EQ(w.beam_weapon.heat, 25.0f);
}

TEST_F(player_rules_test, released_beam_cools_and_clears_enemy_flags)
{
    w.enemies.push_back(test::enemy_at(20.0f, 10.0f));
    input.fire = true;
    frames(1, 0.2f);
    EXPECT_TRUE(w.enemies[0].hit);
    EXPECT_EQ(w.beam_weapon.heat, 10.0f);

    input.fire = false;
    frames(1, 0.3f);
    EXPECT_FALSE(w.enemies[0].hit);
    EXPECT_FLOAT_EQ(w.beam_weapon.heat, -5.0f); // may dip below 0 for one frame
    frames(1, 0.3f);
    EXPECT_EQ(w.beam_weapon.heat, 0.0f);
}

TEST(beam_direction, runs_parallel_to_the_ground)
{
    const vec3 up(0.0f, 0.0f, 1.0f);
    const vec3 ahead = beam_direction(up, 0.0f);
    EXPECT_NEAR(ahead.x, 0.0f, 1e-6f);
    EXPECT_NEAR(ahead.y, 1.0f, 1e-6f);
    EXPECT_NEAR(ahead.z, 0.0f, 1e-6f);

    // Ground rising 1 in 2 along +x, aimed at +x: the beam climbs with it.
    const vec3 rising_x = beam_direction(glm::normalize(vec3(-1.0f, 0.0f, 2.0f)), 1.5f * pi);
    EXPECT_NEAR(rising_x.x, 2.0f / std::sqrt(5.0f), 1e-5f);
    EXPECT_NEAR(rising_x.y, 0.0f, 1e-5f);
    EXPECT_NEAR(rising_x.z, 1.0f / std::sqrt(5.0f), 1e-5f);

    // The same along +y, aimed down the slope at -y.
    const vec3 falling_y = beam_direction(glm::normalize(vec3(0.0f, -1.0f, 2.0f)), pi);
    EXPECT_NEAR(falling_y.x, 0.0f, 1e-5f);
    EXPECT_NEAR(falling_y.y, -2.0f / std::sqrt(5.0f), 1e-5f);
    EXPECT_NEAR(falling_y.z, -1.0f / std::sqrt(5.0f), 1e-5f);
}

TEST(player_beam, hits_an_enemy_up_the_slope)
{
    // z = 0.5 x: the enemy 20 units up the slope stands 10 higher than the player.
    world w(test::make_map(50, 50, [](float x, float) { return 0.5f * x; }));
    w.game_state.phase = 1;
    w.player.position = vec3(0.0f);
    w.enemies.push_back(test::enemy_at(20.0f, 0.0f));
    w.enemies[0].position.z = 10.0f;
    player_input input;
    input.window_width = 800;
    input.window_height = 600;
    input.cursor_x = 700.0; // right of the centre: +x
    input.cursor_y = 300.0;
    input.fire = true;
    update_player(w, input, 0.1f);
    EXPECT_TRUE(w.enemies[0].hit);
    EXPECT_FLOAT_EQ(w.enemies[0].health, 93.0f);
}

} // namespace
