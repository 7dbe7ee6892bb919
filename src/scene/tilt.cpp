#include "scene/tilt.hpp"

#include "model/angles.hpp"

namespace {

float sign(float v) { return v > 0.0f ? 1.0f : v < 0.0f ? -1.0f : 0.0f; }

} // namespace

mat4 tilt(const vec3& position, const vec3& normal, float heading)
{
    const vec3 n = glm::normalize(normal);
    // The slope split into its lean forward/back (in the y-z plane) and sideways (x-z plane).
    const vec3 q = glm::normalize(vec3(0.0f, n.y, n.z));
    const vec3 p = glm::normalize(vec3(n.x, 0.0f, n.z));
    const float about_x = -degrees(model::acos_clamped(q.z)) * sign(q.y);
    const float about_y = degrees(model::acos_clamped(p.z)) * sign(p.x);
    mat4 m = draw::translate(mat4(1.0f), position);
    m = draw::rotate(m, about_x, vec3(1.0f, 0.0f, 0.0f));
    m = draw::rotate(m, about_y, vec3(0.0f, 1.0f, 0.0f));
    return draw::rotate(m, degrees(heading), vec3(0.0f, 0.0f, 1.0f));
}
