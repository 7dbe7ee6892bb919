#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "model/enemy_rules.hpp"
#include "world_fixtures.hpp"

namespace {

// 20 units from the origin along the heading `angle`.
vec3 ahead(float angle) { return 20.0f * vec3(-std::sin(angle), std::cos(angle), 0.0f); }

TEST(steer_towards, turns_the_short_way_across_2pi_by_the_horizontal_direction_and_settles)
{
    // Headings just across the wrap point from the wanted one are within the 0.1 tolerance and
    // hold still; 0.6 -> -0.6 turns clockwise through 0 in 8 frames of 0.157, then stops. A
    // target up or down a slope straight ahead is faced already: only its horizontal direction counts.
    const float two_pi = 6.2831853f;
    const struct { float heading; vec3 target; int turns; } cases[] = {
        {0.02f, ahead(two_pi - 0.05f), 0}, {-0.2f, ahead(two_pi - 0.15f), 0}, {0.6f, ahead(-0.6f), 8},
        {0.0f, {0, 10, 4}, 0}, {0.0f, {0, 10, -4}, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.heading << " to " << c.target.x << "," << c.target.z);
        model::EnemyRobotEntity e = test::enemy_at(0.0f, 0.0f, c.heading);
        e.target = c.target;
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

TEST_F(enemy_update_test, patrols_to_a_target_more_than_8_away_and_from_beyond_80_heads_home_loosely)
{
    // Far from the player. Facing +y is heading 0, facing the centre from +y is pi; "turns" is
    // whether this frame changed the heading, "target" where the enemy heads afterwards.
    const float pi = 3.1415927f;
    const std::uint32_t seed = w.patrol_random;
    const vec3 corner = patrol_corners[static_cast<std::size_t>(next_patrol_corner(w))];
    w.patrol_random = seed;
    const struct { vec3 position, target; float heading; bool turns; vec3 target_after; } cases[] = {
        {{1, 1, 0}, {0, 0, 0}, 0.0f, false, corner},          // the centre passed closely: a random corner
        {{3, 3, 0}, {0, 0, 0}, 0.0f, false, {0, 0, 0}},       // 4.24 out: still the centre
        {{0, 50, 0}, {0, 70, 0}, 0.3f, true, {0, 70, 0}},     // tolerance 0.1 inside 80
        {{0, 50, 0}, {0, 70, 0}, 0.05f, false, {0, 70, 0}},
        {{0, 50, 0}, {0, 58, 0}, 0.3f, false, {0, 0, 0}},     // 8 away: straight on
        {{0, 50, 0}, {0, 57.9f, 10}, 0.3f, false, {0, 0, 0}}, // 7.9 horizontally, 12.7 in space
        {{0, 85, 0}, {0, 100, 0}, pi + 0.3f, false, {0, 0, 0}}, // tolerance 0.5 beyond 80
        {{0, 85, 0}, {0, 100, 0}, pi + 0.7f, true, {0, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.position.y << " to " << c.target.y << ", heading " << c.heading);
        w.enemies = {test::enemy_at(c.position.x, c.position.y, c.heading)};
        w.enemies[0].target = c.target;
        update_enemies(w, 0.1f);
        EXPECT_EQ(w.enemies[0].heading != c.heading, c.turns);
        EXPECT_EQ(w.enemies[0].target, c.target_after);
    }
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

} // namespace
