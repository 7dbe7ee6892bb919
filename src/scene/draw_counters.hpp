#pragma once

#include <cstdint>

// What the main pass of the last frame considered and drew.
struct draw_counters {
    std::int32_t meshes_total = 0;    // items considered, culled ones included
    std::int32_t meshes_drawn = 0;
    std::int32_t triangles_total = 0;
    std::int32_t triangles_drawn = 0;
};
