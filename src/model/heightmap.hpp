#pragma once

#include <vector>

#include "draw/math.hpp"

namespace model {

// A regular grid of terrain heights, z-up: W x L cells of 2 x 2 world units centred on the
// origin, (W + 1) x (L + 1) vertices. Vertex (i, j) lies at x = min_x + 2i, y = min_y + 2j.
class heightmap {
public:
    struct area {
        float min_x;
        float max_x;
        float min_y;
        float max_y;
    };

    // Throws "Width segment count must be at least 1." / "Length segment count must be at
    // least 1." (width checked first). Every height starts at 0.
    heightmap(int width_segments, int length_segments);

    int width_segments() const { return width_segments_; }
    int length_segments() const { return length_segments_; }
    const area& bounds() const { return bounds_; }

    // Throw "Offset i out of bounds." / "Offset j out of bounds." (i checked first).
    float height_at(int i, int j) const;
    void set_height(int i, int j, float height);
    vec3 vertex_position(int i, int j) const;

    void scale_heights(float factor);

    // Bilinear height at world (x, y). Never fails: points off the grid take the height of the
    // nearest edge.
    float sample(float x, float y) const;

private:
    int index_of(int i, int j) const;

    int width_segments_;
    int length_segments_;
    area bounds_;
    std::vector<float> heights_; // row-major, rows along y: vertex (i, j) at (W + 1) * j + i
};

// Unit surface normal from central differences one unit (half a cell) to each side. The robots
// and the ground mesh both use it, so what is drawn and what is driven on agree.
vec3 terrain_normal(const heightmap& map, float x, float y);

} // namespace model
