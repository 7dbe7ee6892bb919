#include "scene/water_window.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/heightmap.hpp"

namespace {

constexpr float cell = 2.0f; // world units, as the height map lays its vertices out
// How far above the ground below it the eye must be for the ground to hide the water: the near
// plane (1 unit away) must not cut into the ground in front of it.
constexpr float clearance = 1.0f;

} // namespace

water_window::water_window(const model::heightmap& map)
    : ground_(map), columns_(map.width_segments()), rows_(map.length_segments()), min_x_(map.bounds().min_x),
      min_y_(map.bounds().min_y)
{
    lowest_.reserve(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_));
    for (int j = 0; j < rows_; ++j) {
        for (int i = 0; i < columns_; ++i) {
            lowest_.push_back(std::min({map.height_at(i, j), map.height_at(i + 1, j), map.height_at(i, j + 1),
                                        map.height_at(i + 1, j + 1)}));
        }
    }
}

vec4 water_window::find(const mat4& view_projection, const vec3& eye, float level) const
{
    if (eye.z <= level) {
        return whole_screen;
    }
    // Seen from inside a hill the ground is culled (its faces turn away), and from just above it
    // the near plane cuts it open: either way it no longer hides the water below.
    if (eye.z - ground_.sample(eye.x, eye.y) < clearance) {
        return whole_screen;
    }
    // The cells under the view volume: the box around its corners on the ground.
    const mat4 to_world = glm::inverse(view_projection);
    vec2 low(std::numeric_limits<float>::max());
    vec2 high(std::numeric_limits<float>::lowest());
    for (int corner = 0; corner < 8; ++corner) {
        const vec4 p = to_world * vec4(corner & 1 ? 1.0f : -1.0f, corner & 2 ? 1.0f : -1.0f,
                                       corner & 4 ? 1.0f : -1.0f, 1.0f);
        low = glm::min(low, vec2(p) / p.w);
        high = glm::max(high, vec2(p) / p.w);
    }
    const float first_i = std::floor((low.x - min_x_) / cell);
    const float last_i = std::floor((high.x - min_x_) / cell);
    const float first_j = std::floor((low.y - min_y_) / cell);
    const float last_j = std::floor((high.y - min_y_) / cell);
    if (!(first_i >= 0.0f && first_j >= 0.0f && last_i < static_cast<float>(columns_) &&
          last_j < static_cast<float>(rows_))) {
        return whole_screen; // past the edge there is no ground to hide the water
    }

    vec4 window(1.0f, 1.0f, -1.0f, -1.0f);
    for (int j = static_cast<int>(first_j); j <= static_cast<int>(last_j); ++j) {
        for (int i = static_cast<int>(first_i); i <= static_cast<int>(last_i); ++i) {
            if (lowest_[static_cast<std::size_t>(j) * static_cast<std::size_t>(columns_) + static_cast<std::size_t>(i)] >
                level) {
                continue;
            }
            // The cell's own rectangle, cut to the screen: water off the screen needs no
            // reflection, however far the rectangle around all of it would reach.
            vec2 low_corner(std::numeric_limits<float>::max());
            vec2 high_corner(std::numeric_limits<float>::lowest());
            for (int corner = 0; corner < 4; ++corner) {
                const vec4 p = view_projection * vec4(min_x_ + cell * static_cast<float>(i + (corner & 1)),
                                                      min_y_ + cell * static_cast<float>(j + (corner >> 1)), level, 1.0f);
                if (p.w <= 1e-3f) {
                    return whole_screen; // a corner behind the eye: no rectangle bounds it
                }
                low_corner = glm::min(low_corner, vec2(p) / p.w);
                high_corner = glm::max(high_corner, vec2(p) / p.w);
            }
            low_corner = glm::max(low_corner, vec2(-1.0f));
            high_corner = glm::min(high_corner, vec2(1.0f));
            if (low_corner.x > high_corner.x || low_corner.y > high_corner.y) {
                continue;
            }
            window = vec4(glm::min(vec2(window), low_corner), glm::max(vec2(window.z, window.w), high_corner));
        }
    }
    return vec4(glm::max(vec2(window), vec2(-1.0f)), glm::min(vec2(window.z, window.w), vec2(1.0f)));
}
