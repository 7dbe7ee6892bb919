#include "model/camera_controller.hpp"

#include "model/input_mapping.hpp"

void camera_controller::update(const frame_input& in, float dt) { update_orbit(world_, drag_, orbit_input_of(in), dt); }
