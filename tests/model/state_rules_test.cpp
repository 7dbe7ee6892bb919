#include <gtest/gtest.h>

#include "model/player_rules.hpp"
#include "model/state_rules.hpp"
#include "world_fixtures.hpp"

namespace {

TEST(state_rules, first_update_starts_the_game_and_time_runs)
{
    world w(test::flat_map());
    update_state(w, 0.25f);
    EXPECT_EQ(w.game_state.phase, 1);
    update_state(w, 0.5f);
    EXPECT_FLOAT_EQ(w.game_state.elapsed, 0.75f);
}

TEST(state_rules, water_rises_only_with_at_most_one_enemy_left)
{
    world w(test::flat_map());
    w.enemies.push_back(test::enemy_at(10, 10));
    w.enemies.push_back(test::enemy_at(20, 20));
    update_state(w, 2.0f);
    EXPECT_EQ(w.game_state.water_level, -3.4f);

    w.enemies.pop_back();
    update_state(w, 2.0f);
    EXPECT_FLOAT_EQ(w.game_state.water_level, -3.3f);

    w.enemies.clear();
    update_state(w, 2.0f);
    EXPECT_FLOAT_EQ(w.game_state.water_level, -3.2f);
}

TEST(state_rules, game_ends_the_frame_after_the_player_dies)
{
    world w(test::flat_map());
    update_state(w, 0.1f);
    // Standing in deep water: 40 per second.
    w.game_state.water_level = 5.0f;
    w.player.health = 1.0f;
    player_input idle;
    update_player(w, idle, 0.1f);
    EXPECT_LE(w.player.health, 0.0f);
    EXPECT_EQ(w.game_state.phase, 1);

    update_state(w, 0.1f);
    EXPECT_EQ(w.game_state.phase, 2);
    const float water = w.game_state.water_level; // rose once more in that frame (no enemies)

    // Over: the player stays put and cannot fire, the water stops, time goes on.
    const vec3 where = w.player.position;
    const float health = w.player.health;
    player_input press;
    press.forward = true;
    press.fire = true;
    update_player(w, press, 0.1f);
    EXPECT_EQ(w.player.position, where);
    EXPECT_EQ(w.player.health, health);
    EXPECT_FALSE(w.beam_weapon.firing);
    EXPECT_TRUE(w.player.hit); // the last running frame's flag stays
    update_state(w, 1.0f);
    EXPECT_EQ(w.game_state.water_level, water);
    EXPECT_FLOAT_EQ(w.game_state.elapsed, 1.2f);
}

} // namespace
