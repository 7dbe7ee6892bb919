#include <gtest/gtest.h>

#include <utility>

#include "model/player_rules.hpp"
#include "model/state_rules.hpp"
#include "world_fixtures.hpp"

namespace {

TEST(state_rules, water_rises_only_with_at_most_one_enemy_left)
{
    world w(test::flat_map());
    // 2 s each: 0.05 per second from -3.4, with 2, then 1, then no enemies left.
    for (const auto& [enemies, level] : {std::pair{2u, -3.4f}, {1u, -3.3f}, {0u, -3.2f}}) {
        w.enemies.resize(enemies, test::enemy_at(10.0f, 10.0f));
        update_state(w, 2.0f);
        EXPECT_FLOAT_EQ(w.game_state.water_level, level) << enemies << " enemies";
    }
}

TEST(state_rules, game_starts_at_once_and_ends_the_frame_after_the_player_dies)
{
    world w(test::flat_map());
    update_state(w, 0.1f);
    EXPECT_EQ(w.game_state.phase, 1);
    w.game_state.water_level = 5.0f; // deep water: 40 per second
    w.player.health = 1.0f;
    update_player(w, player_input{}, 0.1f);
    EXPECT_LE(w.player.health, 0.0f);
    EXPECT_EQ(w.game_state.phase, 1);
    update_state(w, 0.1f);
    EXPECT_EQ(w.game_state.phase, 2);

    // Over: the player stays put and cannot fire, and the water stops.
    const vec3 where = w.player.position;
    const float water = w.game_state.water_level;
    player_input press = test::cursor_up();
    press.forward = press.fire = true;
    update_player(w, press, 0.1f);
    update_state(w, 1.0f);
    EXPECT_EQ(w.player.position, where);
    EXPECT_FALSE(w.beam_weapon.firing);
    EXPECT_EQ(w.game_state.water_level, water);
}

} // namespace
