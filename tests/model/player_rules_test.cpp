#include <gtest/gtest.h>

#include <vector>

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
    // One second of each from (20, 0, 100): forward at speed 7 onto the ground, a quarter turn
    // to the left (now facing -x), backwards, and back to the right.
    const struct { bool player_input::*key; vec3 position; float heading; } seconds[] = {
        {&player_input::forward, {20, 7, 0}, 0.0f}, {&player_input::left, {20, 7, 0}, pi / 2},
        {&player_input::back, {27, 7, 0}, pi / 2}, {&player_input::right, {27, 7, 0}, 0.0f}};
    for (const auto& s : seconds) {
        input = test::cursor_up();
        input.*s.key = true;
        frames(10);
        EXPECT_NEAR(glm::distance(w.player.position, s.position), 0.0f, 1e-4f) << s.position.x << "," << s.position.y;
        EXPECT_NEAR(w.player.heading, s.heading, 1e-5f);
    }
}

TEST_F(player_rules_test, aim_follows_the_cursor_plus_the_orbit_yaw_and_the_centre_keeps_it)
{
    // Up the screen is away from the camera: the aim the player starts with, and the bottom row's
    // opposite; the end-to-end test sees the beam go up the screen.
    const struct { double x, y; float yaw, aim; int width; } cases[] = {
        {700.0, 300.9, 0.0f, 1.5f * pi, 800}, // right: faces +x (whole pixels count)
        {100.0, 300.0, 0.0f, 0.5f * pi, 800}, // left: faces -x
        {400.0, 500.0, 1.0f, pi + 1.0f, 800}, // bottom: toward the camera
        {400.5, 300.0, 0.0f, pi + 1.0f, 801}, // the centre (801 / 2 = 400) points nowhere: kept
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
        input.cursor_x = c.x;
        input.cursor_y = c.y;
        input.window_width = c.width;
        w.camera_orbit.yaw = c.yaw;
        frames(1);
        EXPECT_NEAR(w.player.aim, c.aim, 1e-5f);
    }
}

TEST_F(player_rules_test, health_drowns_hurts_by_contact_and_regenerates_even_when_dead_until_game_over)
{
    // 1 s in frames of 0.1 on ground at z = 0: drowning takes 40, each enemy of radius 2 strictly
    // closer than 4 takes 20, regeneration gives back 1.5 but never above full.
    const struct { int phase; float health, water; std::vector<float> enemies; float after; bool hit; } cases[] = {
        {1, 50, 0.19f, {}, 51.5f, false}, {1, 50, 0.2f, {}, 11.5f, true}, {1, 99.9f, -5, {}, 100, false},
        {1, 50, -5, {4.0f}, 51.5f, false}, {1, 50, -5, {3.99f}, 31.5f, true},
        {1, 50, -5, {3.99f, 0.5f, 6.0f}, 11.5f, true}, // touching enemies add up
        {0, -10, -5, {}, -8.5f, false}, {1, -10, -5, {}, -8.5f, false}, {1, -10, -5, {3.0f}, -28.5f, true},
        {2, -10, 0.2f, {3.0f}, -10, true}, // game over: nothing changes, not even the flag
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "phase " << c.phase << ", health " << c.health << ", water " << c.water
                                        << ", " << c.enemies.size() << " enemies");
        w.game_state = {0.0f, c.water, c.phase};
        w.player.health = c.health;
        w.player.hit = true; // a stale flag: every running frame starts unhurt
        w.enemies.clear();
        for (const float d : c.enemies) {
            w.enemies.push_back(test::enemy_at(20.0f + d, 0.0f));
        }
        frames(10);
        EXPECT_NEAR(w.player.health, c.after, 1e-4f);
        EXPECT_EQ(w.player.hit, c.hit);
    }
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
    // Flat; ground rising 1 in 2 along +x, aimed at +x: the beam climbs with it; rising along +y,
    // aimed down the slope at -y.
    const struct { vec3 normal; float aim; vec3 expected; } cases[] = {
        {{0, 0, 1}, 0.0f, {0, 1, 0}}, {{-1, 0, 2}, 1.5f * pi, {2, 0, 1}}, {{0, -1, 2}, pi, {0, -2, -1}}};
    for (const auto& c : cases) {
        const vec3 beam = beam_direction(glm::normalize(c.normal), c.aim);
        EXPECT_NEAR(glm::distance(beam, glm::normalize(c.expected)), 0.0f, 1e-5f) << c.aim;
    }
}

} // namespace
