#pragma once

// Spawns the enemies when built (the world's first use creates it) and moves them each frame.
class enemy_controller {
public:
    enemy_controller();
    void update(float dt); // dt in seconds
};
