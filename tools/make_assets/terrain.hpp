#pragma once
#include "picture.hpp"

namespace assets {

// Height-map layout as the game reads it: one pixel per vertex, vertices 2 units apart, centred
// on the origin; picture column i lies at x = 2i - (size - 1), picture row j (from the top) at
// y = 2j - (size - 1). Red / 128 - 1, times the world's 4, is the height.
constexpr int height_map_size = 256;
constexpr double world_height_scale = 4.0;
constexpr double water_level = -3.4;

// Landscape height in world units at (x, y), before quantisation.
double terrain_height(double x, double y);

// Grey picture of terrain_height, quantised to the nearest byte.
picture make_height_map();

}  // namespace assets
