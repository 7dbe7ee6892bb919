#pragma once

// Vector and matrix conventions shared by the whole game:
// - single precision, column-major mat4 (element (row r, column c) at index 4c + r), uploaded
//   to shaders as stored, never transposed;
// - column vectors, transforms compose right to left (P * V * W * p applies W first);
// - world space is right-handed and z-up; model angles are radians, but the rotation and
//   projection helpers below take degrees, as every caller writes them.

#include <array>

#include <glm/glm.hpp>

using vec2 = glm::vec2;
using vec3 = glm::vec3;
using vec4 = glm::vec4;
using mat4 = glm::mat4;

namespace draw {

class camera_base;

// Degrees to radians with the factor the game has always used.
constexpr float degrees_to_radians = 0.017453292f;

// m * R, R turning by `degrees` counter-clockwise about `axis` (normalised first).
mat4 rotate(const mat4& m, float degrees, const vec3& axis);
mat4 translate(const mat4& m, const vec3& v);
mat4 scale(const mat4& m, const vec3& v);
// Vertical field of view in degrees.
mat4 perspective_fov(float fov_degrees, float width, float height, float near, float far);
mat4 ortho(float left, float right, float bottom, float top, float near, float far);
mat4 look_at(const vec3& eye, const vec3& center, const vec3& up);

// The camera's view of the world mirrored in the horizontal plane z = water_level.
mat4 mirror_view(const camera_base& camera, float water_level);

// Left, right, bottom, top, near, far; each (a, b, c, d) with a unit normal pointing out of the
// frustum, so a point p lies outside a plane when a*px + b*py + c*pz + d > 0.
using frustum = std::array<vec4, 6>;
frustum frustum_planes(const mat4& view, const mat4& projection);

} // namespace draw
