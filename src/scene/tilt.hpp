#pragma once

#include "draw/math.hpp"

// Model to world for a robot standing at `position` on ground whose normal is `normal`, facing
// `heading` (radians, 0 along +y): the robot leans with the slope, first about x, then about y.
// A flat normal (0, 0, 1) gives a translation times a turn about z.
mat4 tilt(const vec3& position, const vec3& normal, float heading);

// Radians to the degrees the rotation helpers take, with the factor the scene has always used.
constexpr float degrees(float radians) { return radians * 57.29578f; }
