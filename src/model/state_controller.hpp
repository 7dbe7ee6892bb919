#pragma once

// Elapsed time, water level and phase of the game; first of the four controllers each frame.
class state_controller {
public:
    void update(float dt); // dt in seconds
};
