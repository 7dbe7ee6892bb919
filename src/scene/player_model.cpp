#include "scene/player_model.hpp"

#include <algorithm>

#include "content/manager.hpp"
#include "content/texture_loader.hpp"
#include "draw/geometry.hpp"
#include "draw/material.hpp"
#include "model/world.hpp"
#include "scene/scene.hpp"
#include "scene/tilt.hpp"
#include "view/box_mesh.hpp"

namespace {

// x0, x1, y0, y1, top, bottom in the robot's own frame: z up, facing +y.
std::shared_ptr<draw::geometry> box(const view::box_extent& extent) { return draw::geometry_of(view::box_mesh(extent)); }

} // namespace

player_model::player_model(content::manager& content)
    : body_material(std::make_shared<draw::material>()), beam_material(std::make_shared<draw::material>()),
      base_box(box({-1.0f, 1.0f, -1.0f, 1.0f, 0.45f, 0.05f})),
      body_box(box({-0.5f, 0.5f, -0.5f, 0.5f, 1.5f, 0.5f})),
      arm_box(box({-0.15f, 0.15f, 0.0f, 1.2f, 1.1f, 0.8f})),
      beam_box(box({-0.03f, 0.03f, 0.0f, 50.0f, 0.03f, -0.03f}))
{
    body_material->diffuse_map = content.texture().load_shared("textures/player.bmp");
    beam_material->emissive_color = vec3(1.0f, 0.0f, 0.3f);
    beam_material->diffuse_color = vec3(0.3f);
}

float player_model::beam_thickness(float heat_fraction)
{
    const float f = std::clamp(heat_fraction, 0.0f, 1.0f);
    return std::max((1.0f - f) * 4.0f, 0.5f);
}

void player_model::update(const world& w)
{
    const model::PlayerRobotEntity& p = w.player;
    const ::beam_weapon& b = w.beam_weapon;
    beam_visible = b.firing;
    base = tilt(p.position, p.normal, p.heading);
    // The upper body turns from the heading to where the beam aims.
    body = draw::translate(base, vec3(0.0f, -0.4f, 0.0f));
    body = draw::rotate(body, degrees(p.aim - p.heading), vec3(0.0f, 0.0f, 1.0f));
    arm = body;
    const float s = beam_thickness(b.heat / b.max_heat);
    beam = draw::scale(draw::translate(arm, vec3(0.0f, 0.0f, 0.95f)), vec3(s, 1.0f, s));

    health_light.time = static_cast<double>(w.game_state.elapsed);
    // A game that is over freezes the hit flag; the light must not blink for ever.
    health_light.blinking = p.hit && w.game_state.phase != 2;
    health_light.world_matrix = draw::translate(body, vec3(0.0f, 0.0f, 1.5f));
    health_light.level = std::clamp(p.health_fraction(), 0.0f, 1.0f);
}

void player_model::add_to(scene& frame) const
{
    frame.add_item(scene_item(base_box, body_material, base));
    frame.add_item(scene_item(body_box, body_material, body));
    frame.add_item(scene_item(arm_box, body_material, arm));
    health_light.add_to(frame);
    if (beam_visible) {
        scene_item item(beam_box, beam_material, beam);
        item.cast_shadow = false;
        frame.add_item(item);
    }
}
