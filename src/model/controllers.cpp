#include "model/controllers.hpp"

#include "model/enemy_rules.hpp"

controllers::controllers(world& w, start how)
    : state(std::make_unique<state_controller>(w)),
      player(std::make_unique<player_controller>(w)),
      camera(std::make_unique<camera_controller>(w)),
      enemy(std::make_unique<enemy_controller>(w))
{
    if (how == start::new_game) {
        spawn_enemies(w);
    }
}

void controllers::update(const frame_input& in, float dt)
{
    state->update(dt);
    player->update(in, dt);
    camera->update(in, dt);
    enemy->update(dt);
}
