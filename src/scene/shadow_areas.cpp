#include "scene/shadow_areas.hpp"

#include <algorithm>
#include <array>
#include <limits>

#include "draw/geometry.hpp"
#include "draw/grid_strips.hpp"
#include "scene/scene.hpp"

namespace {

constexpr float margin = 0.5f; // world units: many shadow texels, the normal offset and the bias

} // namespace

void find_shadow_areas(const scene& frame, const draw::strip_grid& ground, const vec3& offset,
                       std::vector<vec4>& areas)
{
    areas.clear();
    const vec4 shift(offset.x, offset.y, offset.x, offset.y);
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
        // The caster's box as it lies in the world: its shadow is the corners' hull swept along
        // the light.
        const draw::box& b = item.geometry->bounds();
        std::array<vec3, 8> corners;
        for (std::size_t c = 0; c < corners.size(); ++c) {
            corners[c] = vec3(item.world_matrix * vec4(c & 1 ? b.high.x : b.low.x, c & 2 ? b.high.y : b.low.y,
                                                       c & 4 ? b.high.z : b.low.z, 1.0f));
        }
        // The rectangle under the corners and where each meets ground as low as `floor`.
        const auto swept_to = [&](float floor) {
            vec2 low(std::numeric_limits<float>::max());
            vec2 high(std::numeric_limits<float>::lowest());
            for (const vec3& corner : corners) {
                const vec2 end = vec2(corner) + vec2(light) * (std::max(corner.z - floor, 0.0f) / -light.z);
                low = glm::min(low, glm::min(vec2(corner), end));
                high = glm::max(high, glm::max(vec2(corner), end));
            }
            return vec4(low - margin, high + margin);
        };
        // The shadow lies on ground within the rectangle, so no lower than the lowest ground
        // under it: a sweep ending there holds it too. A few rounds shrink it to the ground
        // around the caster.
        float floor = ground.lowest + offset.z;
        vec4 area = swept_to(floor);
        for (int round = 0; round < 3; ++round) {
            const float higher = draw::lowest_under(ground, area - shift) + offset.z;
            if (!(higher > floor)) {
                break;
            }
            floor = higher;
            area = swept_to(floor);
        }
        areas.push_back(area);
    }
}

