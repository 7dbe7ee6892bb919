#include "scene/health_light.hpp"

#include <cmath>

#include "draw/geometry.hpp"
#include "draw/material.hpp"
#include "scene/scene.hpp"
#include "view/box_mesh.hpp"

health_light::health_light()
{
    geometry = draw::geometry_of(view::box_mesh({-0.2f, 0.2f, -0.2f, 0.2f, 0.4f, 0.0f}));
}

vec3 health_color(float level, bool blinking, double time)
{
    if (level <= 0.0f) {
        return vec3(0.0f);
    }
    // sin(time * 4 pi) > 0 for half of every half second.
    if (blinking && std::sin(time * 12.566) > 0.0) {
        return vec3(1.0f, 0.2f, 0.2f);
    }
    return vec3(1.0f - 0.8f * level, 0.2f + 0.8f * level, 0.2f);
}

void health_light::add_to(scene& frame) const
{
    auto material = std::make_shared<draw::material>();
    material->emissive_color = health_color(level, blinking, time);
    material->diffuse_color = vec3(0.3f);
    frame.add_item(scene_item(geometry, std::move(material), world_matrix));
}
