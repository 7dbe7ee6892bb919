#pragma once

#include <memory>

#include "draw/math.hpp"

namespace draw {
class geometry;
}
struct scene;

// The small glowing box above a robot: green at full health, red at none, black when dead, and
// flashing red twice a second while the robot is being hit.
class health_light {
public:
    health_light();

    // Its colour for the current fields: the health colour, the blink, then black at no health.
    vec3 color() const;
    // Adds the box with a material of its own, made for this frame.
    void add_to(scene& frame) const;

    double time = 0.0;    // game time in seconds, for the blinking
    float level = 0.0f;   // the robot's health fraction, 0..1
    mat4 world_matrix{1.0f};
    bool blinking = false; // the robot was hit this frame (and the game is not over)
    std::shared_ptr<draw::geometry> geometry;
};
