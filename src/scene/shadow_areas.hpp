#pragma once

#include <vector>

#include "draw/math.hpp"

struct scene;

// Where the shadows of a frame can fall, seen from above: for every item that casts one, the
// rectangle (x0, y0, x1, y1 in world units) under its bounding sphere swept along the light down
// to the height `lowest`, widened by half a unit for the shadow map's filter and offsets. With a
// light that does not travel downwards one rectangle holds everything. Fills `areas` afresh.
void find_shadow_areas(const scene& frame, float lowest, std::vector<vec4>& areas);
