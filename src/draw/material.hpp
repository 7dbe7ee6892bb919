#pragma once

#include <memory>

#include "draw/math.hpp"
#include "draw/texture.hpp"

namespace draw {

// Surface parameters of a scene item. Scene objects assign the fields directly; the drawing
// code turns them into effect uniforms and depth state. Textures are shared, never owned alone.
struct material {
    float texcoord_scale = 1.0f;
    vec3 diffuse_color{0.5f, 0.5f, 0.5f};
    std::shared_ptr<texture> diffuse_map;  // sampled on unit 0 when present
    vec3 emissive_color{0.0f, 0.0f, 0.0f};
    std::shared_ptr<texture> emissive_map; // sampled on unit 1 when present
    bool depth_test_disabled = false;
    bool depth_write_disabled = false;
    // Drawn after every other item, at the far plane with the depth test passing there: it shows
    // only where nothing else was drawn (the sky).
    bool background = false;
};

} // namespace draw
