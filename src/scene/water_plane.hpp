#pragma once

#include <memory>

#include "draw/math.hpp"

namespace content {
class manager;
}
namespace draw {
class texture;
}
struct game_state;

// The water's look over time: the surface swings `amplitude` above and below the world's water
// level, once every 2 / `frequency` seconds, and its ripples drift diagonally.
class water_plane {
public:
    // Loads "textures/water_normals.bmp".
    water_plane(content::manager& content, float amplitude, float frequency);

    void update(const game_state& state);

    std::shared_ptr<draw::texture> normal_map;
    float amplitude;
    float frequency;
    float level = 0.0f;             // world z of the surface this frame
    vec2 ripple_offset{0.0f, 0.0f}; // world units the ripples have drifted
};
