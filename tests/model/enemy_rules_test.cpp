#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <utility>

#include "model/enemy_rules.hpp"
#include "world_fixtures.hpp"

namespace {

constexpr double pi = 3.14159265358979323846;

// a - b reduced to (-pi, pi].
double turn_between(double a, double b)
{
    double d = std::remainder(a - b, 2.0 * pi);
    return d == -pi ? pi : d;
}

TEST(steer_towards, fresh_enemy_turns_toward_the_centre)
{
    model::EnemyRobotEntity e = test::enemy_at(36.0f, 36.0f);
    steer_towards(e, 0.1f, 0.1f);
    // The centre lies at heading 3pi/4, counter-clockwise from 0.
    EXPECT_FLOAT_EQ(e.heading, 0.1570795f);

    model::EnemyRobotEntity other = test::enemy_at(-36.0f, 36.0f);
    steer_towards(other, 0.1f, 0.1f);
    EXPECT_FLOAT_EQ(other.heading, -0.1570795f); // the centre lies clockwise
}

TEST(steer_towards, heading_within_tolerance_does_not_turn)
{
    model::EnemyRobotEntity e = test::enemy_at(0.0f, -20.0f, 0.09f);
    steer_towards(e, 0.1f, 0.1f);
    EXPECT_EQ(e.heading, 0.09f);

    // On its target there is no direction to turn to.
    e.position = vec3(0.0f);
    steer_towards(e, 0.1f, 0.1f);
    EXPECT_EQ(e.heading, 0.09f);
}

// Target straight ahead at heading wanted (radians), 20 units away.
void aim_at(model::EnemyRobotEntity& e, float wanted)
{
    e.target = e.position + 20.0f * vec3(-std::sin(wanted), std::cos(wanted), 0.0f);
}

TEST(steer_towards, headings_across_the_wrap_point_count_as_close)
{
    // Wanted heading just below 2pi; the enemy faces just past 0, or has gone negative; either
    // way it is within 0.1 of the wanted heading.
    const float two_pi = 2.0f * static_cast<float>(pi);
    for (const auto& [heading, wanted] : {std::pair{0.02f, two_pi - 0.05f}, std::pair{-0.2f, two_pi - 0.15f}}) {
        model::EnemyRobotEntity e = test::enemy_at(0.0f, 0.0f, heading);
        aim_at(e, wanted);
        for (int k = 0; k < 20; ++k) {
            steer_towards(e, 0.1f, 0.1f);
            EXPECT_EQ(e.heading, heading) << "frame " << k;
        }
    }
}

TEST(steer_towards, turning_across_the_wrap_point_settles_without_swinging)
{
    model::EnemyRobotEntity e = test::enemy_at(0.0f, 0.0f, 0.6f);
    aim_at(e, -0.6f);
    float previous = e.heading;
    int turning_frames = 0;
    for (int k = 0; k < 100; ++k) {
        steer_towards(e, 0.1f, 0.1f);
        if (e.heading != previous) {
            ++turning_frames;
            EXPECT_LT(e.heading, previous) << "only clockwise turns toward -0.6, frame " << k;
        }
        previous = e.heading;
    }
    EXPECT_LE(std::fabs(turn_between(e.heading, -0.6)), 0.1);
    EXPECT_EQ(turning_frames, 8); // 1.2 rad at 0.157 per frame, then it stops
}

class enemy_update_test : public testing::Test {
protected:
    enemy_update_test() : w(test::flat_map()) { w.player.position = vec3(0.0f, -30.0f, 0.0f); }

    world w;
};

TEST_F(enemy_update_test, chases_only_a_living_player_strictly_within_sight)
{
    w.enemies.push_back(test::enemy_at(0.0f, -15.0f)); // exactly at sight range 15
    w.enemies.push_back(test::enemy_at(0.0f, -16.0f));
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
    w.enemies.push_back(test::enemy_at(1.0f, 1.0f));
    w.enemies.push_back(test::enemy_at(3.0f, 3.0f)); // 4.24 from the centre: still the centre
    std::srand(7);
    const int pick = std::rand() % 4;
    std::srand(7);
    update_enemies(w, 0.001f);
    EXPECT_EQ(w.enemies[0].target, patrol_corners[static_cast<std::size_t>(pick)]);
    EXPECT_EQ(w.enemies[1].target, vec3(0.0f));
    EXPECT_EQ(w.enemies[0].heading, 0.0f); // choosing does not turn
}

TEST_F(enemy_update_test, far_out_enemies_turn_back_with_the_wide_tolerance)
{
    // 85 from the centre, facing 0.45 off the way back: inside 0.5, so no turn.
    w.enemies.push_back(test::enemy_at(0.0f, 85.0f, static_cast<float>(pi) + 0.45f));
    w.enemies.back().target = vec3(50.0f, 50.0f, 0.0f);
    w.enemies.back().chasing = true;
    update_enemies(w, 0.1f);
    const model::EnemyRobotEntity& e = w.enemies.back();
    EXPECT_EQ(e.target, vec3(0.0f));
    EXPECT_FALSE(e.chasing);
    EXPECT_FLOAT_EQ(e.heading, static_cast<float>(pi) + 0.45f);
}

TEST_F(enemy_update_test, every_enemy_takes_its_full_step_along_its_heading_on_the_ground)
{
    w.heightmap = test::make_map(100, 100, [](float x, float y) { return 0.01f * (x + y); });
    w.enemies.push_back(test::enemy_at(-10.0f, 50.0f, static_cast<float>(pi) / 2.0f));
    w.enemies.back().target = vec3(-12.0f, 50.0f, 0.0f); // within 8: runs straight on
    w.enemies.back().chasing = true;
    update_enemies(w, 0.2f);
    const model::EnemyRobotEntity& e = w.enemies.back();
    EXPECT_NEAR(e.position.x, -11.0f, 1e-5f);
    EXPECT_NEAR(e.position.y, 50.0f, 1e-5f);
    EXPECT_NEAR(e.position.z, 0.39f, 1e-5f);
    EXPECT_NEAR(e.normal.x, -0.04f / std::sqrt(16.0032f), 1e-5f);
}

} // namespace
