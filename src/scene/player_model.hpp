#pragma once

#include <memory>

#include "draw/math.hpp"
#include "scene/health_light.hpp"

namespace content {
class manager;
}
namespace draw {
class geometry;
struct material;
} // namespace draw
class world;
struct scene;

// The player's robot, built from boxes: a base leaning with the ground, a body and arm turned
// towards the aim, the health light on top and, while firing, the beam along the arm.
class player_model {
public:
    // Loads "textures/player.bmp".
    explicit player_model(content::manager& content);

    void update(const world& w);
    // Base, body, arm, health light, then the beam while it is visible.
    void add_to(scene& frame) const;

    // Cross-section scale of the beam box for a heat fraction 0..1: 4 when cool, thinning to
    // 0.5 from 0.875 upward.
    static float beam_thickness(float heat_fraction);

    ::health_light health_light;
    std::shared_ptr<draw::material> body_material;
    std::shared_ptr<draw::material> beam_material;
    std::shared_ptr<draw::geometry> base_box;
    std::shared_ptr<draw::geometry> body_box;
    std::shared_ptr<draw::geometry> arm_box;
    std::shared_ptr<draw::geometry> beam_box;
    mat4 base{1.0f};
    mat4 body{1.0f};
    mat4 arm{1.0f};
    mat4 beam{1.0f};
    bool beam_visible = false;
};
