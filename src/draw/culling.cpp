#include "draw/culling.hpp"

#include <algorithm>

namespace draw {

sphere world_sphere(const sphere& bounds, const mat4& world_matrix)
{
    const vec4 c = world_matrix * vec4(bounds.center, 1.0f);
    const float stretch = std::max({glm::length(vec3(world_matrix[0])), glm::length(vec3(world_matrix[1])),
                                    glm::length(vec3(world_matrix[2]))});
    return {vec3(c) / c.w, bounds.radius * stretch};
}

bool outside_frustum(const sphere& bounds, const mat4& world_matrix, const frustum& planes)
{
    const sphere s = world_sphere(bounds, world_matrix);
    for (const vec4& plane : planes) {
        if (glm::dot(vec3(plane), s.center) + plane.w - s.radius > 0.0f) {
            return true;
        }
    }
    return false;
}

} // namespace draw
