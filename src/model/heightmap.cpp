#include "model/heightmap.hpp"

#include <algorithm>
#include <cmath>

#include "base/exception.hpp"

namespace model {

heightmap::heightmap(int width_segments, int length_segments)
    : width_segments_(width_segments), length_segments_(length_segments), bounds_{}
{
    if (width_segments < 1) {
        throw kalvanor::exception("Width segment count must be at least 1.");
    }
    if (length_segments < 1) {
        throw kalvanor::exception("Length segment count must be at least 1.");
    }
    const float extent_x = 2.0f * static_cast<float>(width_segments);
    const float extent_y = 2.0f * static_cast<float>(length_segments);
    bounds_.min_x = std::min(-extent_x / 2.0f, extent_x / 2.0f);
    bounds_.max_x = std::max(-extent_x / 2.0f, extent_x / 2.0f);
    bounds_.min_y = std::min(-extent_y / 2.0f, extent_y / 2.0f);
    bounds_.max_y = std::max(-extent_y / 2.0f, extent_y / 2.0f);
    heights_.assign(static_cast<std::size_t>(width_segments + 1) * static_cast<std::size_t>(length_segments + 1),
                    0.0f);
}

int heightmap::index_of(int i, int j) const
{
    if (i < 0 || i > width_segments_) {
        throw kalvanor::exception("Offset i out of bounds.");
    }
    if (j < 0 || j > length_segments_) {
        throw kalvanor::exception("Offset j out of bounds.");
    }
    return (width_segments_ + 1) * j + i;
}

float heightmap::height_at(int i, int j) const { return heights_[index_of(i, j)]; }

void heightmap::set_height(int i, int j, float height) { heights_[index_of(i, j)] = height; }

vec3 heightmap::vertex_position(int i, int j) const
{
    const float z = height_at(i, j);
    return {bounds_.min_x + 2.0f * static_cast<float>(i), bounds_.min_y + 2.0f * static_cast<float>(j), z};
}

void heightmap::scale_heights(float factor)
{
    for (float& h : heights_) {
        h *= factor;
    }
}

float heightmap::sample(float x, float y) const
{
    // The clamp keeps every index inside the grid, so the bounds checks cannot fire here.
    const float u = std::clamp((x - bounds_.min_x) / (bounds_.max_x - bounds_.min_x), 0.0f, 1.0f);
    const float v = std::clamp((y - bounds_.min_y) / (bounds_.max_y - bounds_.min_y), 0.0f, 1.0f);
    const float fx = static_cast<float>(width_segments_) * u;
    const float fy = static_cast<float>(length_segments_) * v;
    const int i0 = static_cast<int>(std::floor(fx));
    const int i1 = static_cast<int>(std::ceil(fx));
    const int j0 = static_cast<int>(std::floor(fy));
    const int j1 = static_cast<int>(std::ceil(fy));
    const float tx = fx - static_cast<float>(i0);
    const float ty = fy - static_cast<float>(j0);

    if (i0 == i1 && j0 == j1) {
        return height_at(i0, j0);
    }
    if (i0 == i1) {
        const float a = height_at(i0, j0);
        return a + (height_at(i0, j1) - a) * ty;
    }
    if (j0 == j1) {
        const float a = height_at(i0, j0);
        return a + (height_at(i1, j0) - a) * tx;
    }
    const float a = height_at(i0, j0);
    const float b = height_at(i1, j0);
    const float c = height_at(i0, j1);
    const float d = height_at(i1, j1);
    const float top = a + (b - a) * tx;
    const float bottom = c + (d - c) * tx;
    return top + (bottom - top) * ty;
}

vec3 terrain_normal(const heightmap& map, float x, float y)
{
    const float a = map.sample(x - 1.0f, y);
    const float b = map.sample(x + 1.0f, y);
    const float c = map.sample(x, y - 1.0f);
    const float d = map.sample(x, y + 1.0f);
    return glm::normalize(vec3(-2.0f * (b - a), -2.0f * (d - c), 4.0f));
}

} // namespace model
