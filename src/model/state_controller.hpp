#pragma once

class world;

// Elapsed time, water level and phase of the game; first of the four controllers each frame.
class state_controller {
public:
    explicit state_controller(world& w) : world_(w) {}
    void update(float dt); // dt in seconds

private:
    world& world_;
};
