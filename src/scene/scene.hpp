#pragma once

#include <memory>
#include <vector>

#include "draw/math.hpp"

namespace draw {
class geometry;
struct material;
class texture;
} // namespace draw

// One drawable thing of a frame. Copies share the geometry and the material.
struct scene_item {
    scene_item(std::shared_ptr<draw::geometry> geometry, std::shared_ptr<draw::material> material,
               const mat4& world_matrix)
        : world_matrix(world_matrix), geometry(std::move(geometry)), material(std::move(material))
    {
    }

    // Drawn into the shadow map.
    bool cast_shadow = true;
    // Model to world.
    mat4 world_matrix;
    std::shared_ptr<draw::geometry> geometry;
    std::shared_ptr<draw::material> material;
};

// The description of one frame, built afresh for every frame. The defaults are the light and fog
// every frame uses; fog distances follow the camera's far distance of 50.
struct scene {
    vec3 ambient_light{0.3f, 0.3f, 0.45f};
    // The direction the light travels, not normalised: the shadow pass moves the light's eye back
    // by exactly this vector.
    vec3 light_direction{0.0f, 1.0f, -1.0f};
    vec3 light_color{0.9f, 0.9f, 0.8f};
    float light_intensity = 1.1f;
    // Also the clear colour of every target.
    vec3 fog_color{0.8f, 0.9f, 0.95f};
    // Distances from the camera in world units.
    float fog_start = 50.0f / 3.0f * 2.0f;
    float fog_end = 50.0f;
    // World z of the water surface.
    float water_level = 0.0f;
    std::shared_ptr<draw::texture> water_normal_map;
    vec2 ripple_offset{0.0f, 0.0f};
    // Where on screen the water can show, (left, bottom, right, top) in normalised device
    // coordinates of the camera; empty (left > right) when it shows nowhere. The reflection is
    // drawn, and the water shaded, only there.
    vec4 water_window{-1.0f, -1.0f, 1.0f, 1.0f};

    // Adds a copy of `item` just before the first item that shares its geometry (the same
    // object, not equal contents), or at the end when none does. Items of one geometry thus
    // stay together, newest first, and the drawing binds each geometry once per pass.
    void add_item(const scene_item& item);
    // The items in drawing order.
    const std::vector<scene_item>& items() const;
    // Lets go of every item; the lists keep their capacity for the next frame.
    void clear_items();

private:
    // Inserting into one flat list would move every later item, which grows with the square of
    // the number of robots; so items wait in one list per geometry (oldest first) and are laid
    // out in drawing order when asked for.
    struct group {
        const draw::geometry* geometry = nullptr;
        std::vector<scene_item> items;
    };
    std::vector<group> groups_; // the first group_count_ are in use, in order of first appearance
    std::size_t group_count_ = 0;
    mutable std::vector<scene_item> items_;
    mutable bool laid_out_ = true;
};
