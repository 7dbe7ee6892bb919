#include "scene/culling.hpp"

#include <algorithm>

bool outside_frustum(const draw::sphere& sphere, const mat4& world_matrix, const draw::frustum& planes)
{
    const vec4 c = world_matrix * vec4(sphere.center, 1.0f);
    const vec3 center = vec3(c) / c.w;
    const float stretch = std::max({glm::length(vec3(world_matrix[0])), glm::length(vec3(world_matrix[1])),
                                    glm::length(vec3(world_matrix[2]))});
    const float radius = sphere.radius * stretch;
    for (const vec4& plane : planes) {
        if (glm::dot(vec3(plane), center) + plane.w - radius > 0.0f) {
            return true;
        }
    }
    return false;
}
