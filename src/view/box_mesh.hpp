#pragma once

#include "content/mesh.hpp"

namespace view {

// World units. The top comes before the bottom; zb > zt turns the box inside out.
struct box_extent {
    float x0; // smaller x
    float x1; // larger x
    float y0; // smaller y
    float y1; // larger y
    float zt; // top, larger z
    float zb; // bottom, smaller z
};

// An axis-aligned box as a triangle list. Every face has its own four vertices, so it carries a
// flat normal and a whole 0..1 texture square; triangles wind counter-clockwise seen from outside.
class box_mesh : public kalvanor::mesh {
public:
    explicit box_mesh(const box_extent& extent);
};

} // namespace view
