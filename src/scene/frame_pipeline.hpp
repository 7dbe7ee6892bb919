#pragma once

#include <memory>
#include <vector>

#include "draw/grid_strips.hpp"
#include "draw/math.hpp"
#include "draw/pass_pacer.hpp"
#include "scene/draw_counters.hpp"
#include "scene/render_pass.hpp"
#include "scene/render_settings.hpp"

namespace content {
class manager;
}
namespace draw {
class basic_effect;
class bloom_effect;
class blur_effect;
class bright_pass_effect;
class camera_base;
class framebuffer;
class shadow_map;
class water_effect;
} // namespace draw
struct scene;

// The passes of one frame and everything they draw with: the effects, the shadow map and the
// off-screen targets. Shadow map, reflection of the scene in the water, the lit scene with the
// water on top, then a half-size bright pass, a separable blur and the bloom onto the screen.
class frame_pipeline {
public:
    // width and height: the window's drawable area in pixels (the bloom targets are half that,
    // rounded down). Loads every shader; throws what the effects and framebuffers throw.
    frame_pipeline(content::manager& content, int width, int height);
    ~frame_pipeline();
    frame_pipeline(const frame_pipeline&) = delete;
    frame_pipeline& operator=(const frame_pipeline&) = delete;

    // Draws `frame` as `camera` sees it and leaves the picture in the default framebuffer, with
    // the viewport covering the window, counter-clockwise front faces and no effect started.
    // Keeps the CPU at most one pass ahead of the drawing (draw::pass_pacer).
    void render(const scene& frame, const draw::camera_base& camera);

    // Draws the items with the basic effect, in list order but with background items last, which
    // the caller has started and given this `view_projection`, the camera position `eye` and the
    // water clipping. Skips items outside the view volume when culling is on, and with
    // `above_water` (the mirrored pass, which clips at the water) items wholly below the water;
    // with `counting` adds what it considered and drew to draw_counters. Of a terrain laid out
    // as a grid only the cells in view are drawn.
    void draw_scene(const scene& frame, const mat4& view_projection, const vec3& eye, bool counting,
                    bool above_water = false);

    const draw::framebuffer& scene_target() const { return *scene_target_; }
    const draw::framebuffer& reflection_target() const { return *reflection_target_; }

    const int width;
    const int height;
    // The main pass of the last frame.
    ::draw_counters draw_counters;
    // What the drawing obeys; the game copies the debug status's settings in every frame.
    ::render_settings render_settings;
    // Optional, not owned: told of every pass.
    pass_listener* listener = nullptr;

private:
    void begin(render_pass pass);
    void end(render_pass pass);
    // Where the reflection and the water are drawn: the frame's water window, or the whole
    // screen in wireframe.
    vec4 water_window_of(const scene& frame) const;
    void reflection_pass(const scene& frame, const draw::camera_base& camera);
    void main_pass(const scene& frame, const draw::camera_base& camera);
    void water_pass(const scene& frame, const draw::camera_base& camera);
    void bloom_passes();
    void draw_terrain(const scene& frame, const draw::strip_grid& grid, const mat4& world_matrix,
                      const mat4& view_projection, const vec3& eye, bool above_water);

    std::unique_ptr<draw::basic_effect> basic_;
    std::unique_ptr<draw::water_effect> water_;
    std::unique_ptr<draw::bright_pass_effect> bright_pass_;
    std::unique_ptr<draw::blur_effect> blur_;
    std::unique_ptr<draw::bloom_effect> bloom_;
    std::unique_ptr<draw::shadow_map> shadow_map_;
    std::unique_ptr<draw::framebuffer> scene_target_;
    std::unique_ptr<draw::framebuffer> reflection_target_;
    std::unique_ptr<draw::framebuffer> bloom_target_a_;
    std::unique_ptr<draw::framebuffer> bloom_target_b_;
    draw::grid_strips terrain_runs_;
    std::vector<vec4> shadow_areas_; // of the frame being drawn; keeps its capacity
    draw::pass_pacer pacer_;
};
