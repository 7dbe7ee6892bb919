#include "model/state_controller.hpp"

#include "model/state_rules.hpp"

void state_controller::update(float dt) { update_state(world_, dt); }
