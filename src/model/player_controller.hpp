#pragma once

#include "model/input_mapping.hpp"

class world;
struct frame_input;

// W/S drive, A/D turn, the cursor aims, the left button fires; or the gamepad does.
class player_controller {
public:
    explicit player_controller(world& w) : world_(w) {}
    void update(const frame_input& in, float dt); // dt in seconds

private:
    world& world_;
    aim_owner aim_owner_;
};
