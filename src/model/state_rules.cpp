#include "model/state_rules.hpp"

#include "model/world.hpp"

void update_state(world& w, float dt)
{
    game_state& state = w.game_state;
    state.elapsed += dt;
    if (state.phase == 0) {
        state.phase = 1;
    }
    if (state.phase == 1) {
        const long long n = static_cast<long long>(w.enemies.size());
        const long long m = n > 0 ? n : 1;
        // Integer quotient on purpose: 1 with at most one enemy left, otherwise 0, so the water
        // rises 0.05 per second only at the end of the fight.
        const long long q = 1 / (m * m);
        state.water_level += static_cast<float>(q) * 0.05f * dt;
        // Damage from this frame's player update shows up here, one frame later.
        if (w.player.health <= 0.0f) {
            state.phase = 2;
        }
    }
}
