#pragma once

#include <vector>

#include "draw/math.hpp"
#include "model/heightmap.hpp"

// Where on screen the water can show. Seen from above the surface, the water shows only over the
// cells of the terrain that dip below it: anywhere else the ground lies above the water, and the
// way down to it passes through the ground first. The reflection is read only there, so the
// mirrored pass need draw nothing else.
class water_window {
public:
    // Keeps a copy of the map and the lowest corner of every cell.
    explicit water_window(const model::heightmap& map);

    // The rectangle (left, bottom, right, top) in normalised device coordinates of
    // `view_projection` that holds every visible point of the water at `level`, seen from `eye`;
    // empty (left > right) when no water can show, the whole screen when that cannot be told
    // (the eye at or below the surface, within about a unit of the ground below it or inside a
    // hill, or water beyond the edge of the map in view).
    vec4 find(const mat4& view_projection, const vec3& eye, float level) const;

    static constexpr vec4 whole_screen{-1.0f, -1.0f, 1.0f, 1.0f};

private:
    model::heightmap ground_;
    int columns_;
    int rows_;
    float min_x_;
    float min_y_;
    std::vector<float> lowest_; // per cell, row by row along y
};
