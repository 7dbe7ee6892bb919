#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "model/enemy_rules.hpp"
#include "world_fixtures.hpp"

namespace {

TEST(steer_towards, turns_the_short_way_across_2pi_and_settles_without_oscillating)
{
    // Headings just across the wrap point from the wanted one are within the 0.1 tolerance and
    // hold still; 0.6 -> -0.6 turns clockwise through 0 in 8 frames of 0.157, then stops.
    const float two_pi = 6.2831853f;
    const struct { float heading, wanted; int turns; } cases[] = {
        {0.02f, two_pi - 0.05f, 0}, {-0.2f, two_pi - 0.15f, 0}, {0.6f, -0.6f, 8}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.heading);
        model::EnemyRobotEntity e = test::enemy_at(0.0f, 0.0f, c.heading);
        e.target = 20.0f * vec3(-std::sin(c.wanted), std::cos(c.wanted), 0.0f);
        int turns = 0;
        for (int k = 0; k < 40; ++k) {
            const float before = e.heading;
            steer_towards(e, 0.1f, 0.1f);
            if (e.heading != before) {
                ++turns;
                EXPECT_LT(e.heading, before) << "frame " << k;
            }
        }
        EXPECT_EQ(turns, c.turns);
    }
}

TEST(steer_towards, holds_a_heading_that_faces_a_target_up_or_down_a_slope)
{
    // Straight ahead but 4 units higher over 10: only the horizontal direction decides.
    for (const float rise : {4.0f, -4.0f}) {
        model::EnemyRobotEntity e = test::enemy_at(0.0f, 0.0f, 0.0f);
        e.target = vec3(0.0f, 10.0f, rise);
        for (int k = 0; k < 30; ++k) {
            steer_towards(e, 0.1f, 0.1f);
        }
        EXPECT_EQ(e.heading, 0.0f) << "rise " << rise;
    }
}

class enemy_update_test : public testing::Test {
protected:
    enemy_update_test() : w(test::flat_map()) { w.player.position = vec3(0.0f, -30.0f, 0.0f); }

    world w;
};

TEST_F(enemy_update_test, chases_only_a_living_player_strictly_within_sight)
{
    w.enemies = {test::enemy_at(0.0f, -15.0f), test::enemy_at(0.0f, -16.0f)}; // 15 is exactly the sight
    update_enemies(w, 0.001f);
    EXPECT_FALSE(w.enemies[0].chasing);
    EXPECT_TRUE(w.enemies[1].chasing);
    EXPECT_EQ(w.enemies[1].target, w.player.position);

    w.player.health = 0.0f;
    update_enemies(w, 0.001f);
    EXPECT_FALSE(w.enemies[1].chasing);
    EXPECT_EQ(w.enemies[1].target, vec3(0.0f)); // falls back to the centre at once
}

TEST_F(enemy_update_test, dead_enemies_leave_in_order_of_the_survivors)
{
    for (int k = 0; k < 5; ++k) {
        w.enemies.push_back(test::enemy_at(10.0f * static_cast<float>(k), 40.0f));
    }
    w.enemies[1].health = 0.0f;
    w.enemies[2].health = -3.0f;
    w.enemies[4].health = 0.1f;
    update_enemies(w, 0.1f);
    ASSERT_EQ(w.enemies.size(), 3u);
    // Each has moved half a unit, mostly along y.
    EXPECT_NEAR(w.enemies[0].position.x, 0.0f, 0.1f);
    EXPECT_NEAR(w.enemies[1].position.x, 30.0f, 0.1f);
    EXPECT_NEAR(w.enemies[2].position.x, 40.0f, 0.1f);
    EXPECT_FLOAT_EQ(w.enemies[2].health, 0.6f); // regenerates 5 per second
    EXPECT_EQ(w.enemies[0].health, 100.0f);     // never above full
}

TEST_F(enemy_update_test, picks_a_random_corner_near_the_centre)
{
    w.enemies = {test::enemy_at(1.0f, 1.0f), test::enemy_at(3.0f, 3.0f)}; // 4.24 out: still the centre
    std::srand(7);
    const int pick = std::rand() % 4;
    std::srand(7);
    update_enemies(w, 0.001f);
    EXPECT_EQ(w.enemies[0].target, patrol_corners[static_cast<std::size_t>(pick)]);
    EXPECT_EQ(w.enemies[1].target, vec3(0.0f));
    EXPECT_EQ(w.enemies[0].heading, 0.0f); // choosing does not turn
}

} // namespace
