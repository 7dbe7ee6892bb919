#pragma once

#include <memory>

#include "draw/math.hpp"

namespace content {
class manager;
}
namespace draw {
class camera_base;
class geometry;
struct material;
} // namespace draw

// The sky: a dome that travels with the eye, lit by its own texture alone. It is drawn last, at
// the far plane, and leaves the depth buffer alone, so everything else covers it.
class sky_dome {
public:
    // Loads "meshes/skydome.txt" and "textures/sky.bmp".
    explicit sky_dome(content::manager& content);

    // Centres the dome 7 units below the eye and stretches it to just inside the far plane.
    void update(const draw::camera_base& camera);

    std::shared_ptr<draw::geometry> geometry;
    std::shared_ptr<draw::material> material;
    mat4 world_matrix{1.0f};
};
