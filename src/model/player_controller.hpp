#pragma once

#include "input/keyboard.hpp"
#include "input/mouse.hpp"

// W/S drive, A/D turn, the cursor aims, the left button fires.
class player_controller {
public:
    explicit player_controller(GLFWwindow* window);
    void update(float dt); // dt in seconds

private:
    kalvanor::mouse mouse_;       // buttons, cursor, window size
    kalvanor::keyboard keyboard_; // W, A, S, D
};
