#include "model/enemy_controller.hpp"

#include "model/enemy_rules.hpp"
#include "model/world.hpp"

enemy_controller::enemy_controller() { spawn_enemies(world::instance()); }

void enemy_controller::update(float dt) { update_enemies(world::instance(), dt); }
