#pragma once

#include "model/orbit_rules.hpp"

class world;
struct frame_input;

// Turns the camera orbit while the right mouse button is dragged or a shoulder button is held.
class camera_controller {
public:
    explicit camera_controller(world& w) : world_(w) {}
    void update(const frame_input& in, float dt); // dt in seconds

private:
    world& world_;
    orbit_drag drag_;
};
