#include "model/enemy_controller.hpp"

#include "model/enemy_rules.hpp"

void enemy_controller::update(float dt) { update_enemies(world_, dt); }
