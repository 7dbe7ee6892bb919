#include "model/player_controller.hpp"

#include "model/player_rules.hpp"

void player_controller::update(const frame_input& in, float dt)
{
    update_player(world_, player_input_of(in, aim_owner_), dt);
}
