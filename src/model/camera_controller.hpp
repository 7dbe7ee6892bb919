#pragma once

#include "input/mouse.hpp"
#include "model/orbit_rules.hpp"

// Turns the camera orbit while the right mouse button is dragged.
class camera_controller {
public:
    explicit camera_controller(GLFWwindow* window);
    void update(float dt); // dt in seconds

private:
    kalvanor::mouse mouse_;
    orbit_drag drag_;
};
