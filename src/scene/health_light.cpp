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

vec3 health_light::color() const
{
    const vec3 red(1.0f, 0.2f, 0.2f);
    vec3 c(1.0f - 0.8f * level, 0.2f + 0.8f * level, 0.2f);
    // sin(time * 4 pi) > 0 for half of every half second.
    if (blinking && std::sin(time * 12.566) > 0.0) {
        c = red;
    }
    if (level <= 0.0f) {
        c = vec3(0.0f);
    }
    return c;
}

void health_light::add_to(scene& frame) const
{
    auto material = std::make_shared<draw::material>();
    material->emissive_color = color();
    material->diffuse_color = vec3(0.3f);
    frame.add_item(scene_item(geometry, std::move(material), world_matrix));
}
