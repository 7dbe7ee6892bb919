#include <gtest/gtest.h>

#include "input/frame_input.hpp"
#include "model/controllers.hpp"
#include "world_fixtures.hpp"

namespace {

constexpr float dt = 1.0f / 60.0f;

// Whole frames through the game's controllers; the player aims along +y.
class scenario_test : public testing::Test {
protected:
    scenario_test() : w(test::flat_map()), rules(w, controllers::start::as_given)
    {
        input.window_width = 800;
        input.window_height = 600;
        input.cursor_x = 400.0;
        input.cursor_y = 100.0;
    }

    void frame() { rules.update(input, dt); }

    world w;
    controllers rules;
    frame_input input;
};

TEST_F(scenario_test, an_enemy_turns_back_reaches_a_standing_player_and_hurts_it)
{
    // 12 units ahead of the player, facing away from it: within its sight of 15.
    w.enemies.push_back(test::enemy_at(20.0f, 12.0f));
    int first_hit = -1;
    for (int k = 0; k < 60 * 20 && first_hit < 0; ++k) {
        frame();
        if (w.player.hit) {
            first_hit = k;
        }
    }
    ASSERT_GE(first_hit, 0) << "the enemy never reached the player";
    EXPECT_TRUE(w.enemies[0].chasing);
    // Contact starts closer than the enemy's radius (2) plus 2; the enemy has moved once since.
    EXPECT_NEAR(glm::distance(w.player.position, w.enemies[0].position), 4.0f, 0.2f);
    // It has to turn half a circle first: at least 2 seconds.
    EXPECT_GT(first_hit, 2 * 60);
}

TEST_F(scenario_test, holding_fire_on_an_enemy_kills_it_in_100_over_65_seconds)
{
    w.player.position = vec3(0.0f, -6.0f, 0.0f);
    // Walking toward the centre along the beam, too short-sighted to chase.
    w.enemies.push_back(test::enemy_at(0.0f, 30.0f, 3.1415927f));
    w.enemies[0].sight_range = 1.0f;
    input.left_button = true;

    int frames = 0;
    while (!w.enemies.empty() && frames < 600) {
        frame();
        ++frames;
        if (!w.enemies.empty()) {
            EXPECT_TRUE(w.enemies[0].hit) << "frame " << frames;
        }
    }
    // 70 per second from the beam against 5 per second regeneration.
    EXPECT_NEAR(static_cast<float>(frames) * dt, 100.0f / 65.0f, 2.0f * dt);
    EXPECT_FALSE(w.beam_weapon.overheated);
}

} // namespace
