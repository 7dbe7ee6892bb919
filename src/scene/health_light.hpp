#pragma once

#include <memory>

#include "draw/math.hpp"

namespace draw {
class geometry;
}
struct scene;

// The colour of a health light: green (0.2, 1, 0.2) at full health `level` 1 through to red
// (1, 0.2, 0.2) at 0, flashing red twice a second while `blinking` (the phase of the flash
// follows the game `time` in seconds), and black at no health whatever else holds.
vec3 health_color(float level, bool blinking, double time);

// The small glowing box above a robot, coloured by health_color.
class health_light {
public:
    health_light();

    // Adds the box with a material of its own, made for this frame.
    void add_to(scene& frame) const;

    double time = 0.0;    // game time in seconds, for the blinking
    float level = 0.0f;   // the robot's health fraction, 0..1
    mat4 world_matrix{1.0f};
    bool blinking = false; // the robot was hit this frame (and the game is not over)
    std::shared_ptr<draw::geometry> geometry;
};
