#pragma once

class world;

// Moves the enemies each frame.
class enemy_controller {
public:
    explicit enemy_controller(world& w) : world_(w) {}
    void update(float dt); // dt in seconds

private:
    world& world_;
};
