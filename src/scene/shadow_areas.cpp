#include "scene/shadow_areas.hpp"

#include <algorithm>
#include <limits>

#include "draw/culling.hpp"
#include "draw/geometry.hpp"
#include "scene/scene.hpp"

namespace {

constexpr float margin = 0.5f; // world units: many shadow texels, the normal offset and the bias

} // namespace

void find_shadow_areas(const scene& frame, float lowest, std::vector<vec4>& areas)
{
    areas.clear();
    const vec3 light = glm::normalize(frame.light_direction);
    if (!(light.z < -1e-3f)) {
        const float far = std::numeric_limits<float>::max();
        areas.emplace_back(-far, -far, far, far);
        return;
    }
    for (const scene_item& item : frame.items()) {
        if (!item.cast_shadow) {
            continue;
        }
        const draw::sphere s = draw::world_sphere(item.geometry->bounding_sphere(), item.world_matrix);
        // How far along the light its top may travel before it meets the lowest ground.
        const float reach = std::max(s.center.z + s.radius - lowest, 0.0f) / -light.z;
        const vec2 centre(s.center);
        const vec2 travel = vec2(light) * reach;
        const vec2 low = centre + glm::min(travel, vec2(0.0f)) - (s.radius + margin);
        const vec2 high = centre + glm::max(travel, vec2(0.0f)) + (s.radius + margin);
        areas.emplace_back(low.x, low.y, high.x, high.y);
    }
}
