#pragma once

#include <vector>

#include "draw/math.hpp"

struct scene;

namespace draw {
struct strip_grid;
}

// Where the shadows of a frame can fall on `ground`, placed `offset` from its model space, seen
// from above: for every item that casts one, the rectangle (x0, y0, x1, y1 in world units) under
// its box swept along the light down to the lowest ground under the rectangle (of all the
// ground where the grid's squares are unknown), widened by half a unit for the shadow map's
// filter and offsets. With a light that does not travel downwards one rectangle holds
// everything. Fills `areas` afresh.
void find_shadow_areas(const scene& frame, const draw::strip_grid& ground, const vec3& offset,
                       std::vector<vec4>& areas);
