#include "scene/frame_pipeline.hpp"

#include <algorithm>

#include "draw/basic_effect.hpp"
#include "draw/bloom_effect.hpp"
#include "draw/blur_effect.hpp"
#include "draw/bright_pass_effect.hpp"
#include "draw/camera_base.hpp"
#include "draw/framebuffer.hpp"
#include "draw/geometry.hpp"
#include "draw/gl_platform.hpp"
#include "draw/material.hpp"
#include "draw/shadow_map.hpp"
#include "draw/texture.hpp"
#include "draw/water_effect.hpp"
#include "draw/culling.hpp"
#include "scene/scene.hpp"
#include "scene/shadow_areas.hpp"
#include "scene/water_window.hpp"

namespace {

// How far the water shader may shift its look into the reflection, in normalised device
// coordinates: twice its distortion of 0.03 in texture coordinates.
constexpr float ripple_reach = 0.06f;

// The pixels of a width x height target that hold `window` (normalised device coordinates)
// widened by `margin`, as glScissor takes them; false when the window is empty.
bool pixels_of(const vec4& window, float margin, int width, int height, GLint box[4])
{
    if (window.x > window.z || window.y > window.w) {
        return false;
    }
    const auto pixel = [](float ndc, int size) {
        return static_cast<GLint>(std::clamp((ndc + 1.0f) * 0.5f * static_cast<float>(size), 0.0f,
                                             static_cast<float>(size)));
    };
    // A pixel more on every side for the rounding.
    box[0] = std::max(pixel(window.x - margin, width) - 1, 0);
    box[1] = std::max(pixel(window.y - margin, height) - 1, 0);
    box[2] = std::min(pixel(window.z + margin, width) + 2, width) - box[0];
    box[3] = std::min(pixel(window.w + margin, height) + 2, height) - box[1];
    return true;
}

// How far from the eye the fog leaves every colour alone: its start, unless it ends no later.
float fog_free_reach(const scene& frame) { return frame.fog_end > frame.fog_start ? frame.fog_start : 0.0f; }

} // namespace

const char* name_of(render_pass pass)
{
    switch (pass) {
    case render_pass::shadow: return "shadow";
    case render_pass::reflection: return "reflection";
    case render_pass::main: return "main";
    case render_pass::water: return "water";
    case render_pass::bright: return "bright";
    case render_pass::blur: return "blur";
    case render_pass::bloom: return "bloom";
    }
    return "unknown";
}

frame_pipeline::frame_pipeline(content::manager& content, int width, int height)
    : width(width), height(height),
      basic_(std::make_unique<draw::basic_effect>(content)),
      water_(std::make_unique<draw::water_effect>(content)),
      bright_pass_(std::make_unique<draw::bright_pass_effect>(content)),
      blur_(std::make_unique<draw::blur_effect>(content)),
      bloom_(std::make_unique<draw::bloom_effect>(content)),
      shadow_map_(std::make_unique<draw::shadow_map>()),
      scene_target_(std::make_unique<draw::framebuffer>(width, height, 1, true)),
      reflection_target_(std::make_unique<draw::framebuffer>(width, height, 1, true)),
      bloom_target_a_(std::make_unique<draw::framebuffer>(width / 2, height / 2, 1, false)),
      bloom_target_b_(std::make_unique<draw::framebuffer>(width / 2, height / 2, 1, false))
{
}

// Members go in reverse order: the targets, the shadow map, then the effects.
frame_pipeline::~frame_pipeline() = default;

void frame_pipeline::begin(render_pass pass)
{
    // The water goes on top of the main pass in the same target: a mark between them would only
    // cut the driver's work for that target in two.
    if (pass != render_pass::water) {
        pacer_.mark();
    }
    if (listener != nullptr) {
        listener->pass_begun(pass);
    }
}

void frame_pipeline::end(render_pass pass)
{
    if (listener != nullptr) {
        listener->pass_ended(pass);
    }
}

void frame_pipeline::render(const scene& frame, const draw::camera_base& camera)
{
    draw_counters = ::draw_counters();

    const vec3& fog = frame.fog_color;
    glClearDepthf(1.0f);
    glClearColor(fog.r, fog.g, fog.b, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

    begin(render_pass::shadow);
    shadow_map_->render_depth(frame, camera);
    end(render_pass::shadow);

    begin(render_pass::reflection);
    reflection_pass(frame, camera);
    end(render_pass::reflection);

    scene_target_->bind();
    begin(render_pass::main);
    main_pass(frame, camera);
    end(render_pass::main);
    begin(render_pass::water);
    water_pass(frame, camera);
    end(render_pass::water);
    scene_target_->unbind();

    bloom_passes();
}

vec4 frame_pipeline::water_window_of(const scene& frame) const
{
    // The window counts on the ground hiding the water beyond its dips; drawn as outlines, the
    // ground hides nothing, and the water shows wherever its plane is in view.
    return render_settings.wireframe ? water_window::whole_screen : frame.water_window;
}

void frame_pipeline::reflection_pass(const scene& frame, const draw::camera_base& camera)
{
    reflection_target_->bind();
    // The reflection is read only where the water shows, shifted by its ripples at most: the
    // rest of it is neither cleared nor drawn.
    GLint box[4];
    if (pixels_of(water_window_of(frame), ripple_reach, width, height, box)) {
        glEnable(GL_SCISSOR_TEST);
        glScissor(box[0], box[1], box[2], box[3]);
        const vec3& fog = frame.fog_color;
        reflection_target_->clear_color(fog.r, fog.g, fog.b, 1.0f);
        reflection_target_->clear_depth(1.0f);

        const mat4 view = draw::mirror_view(camera, frame.water_level);
        const mat4 projection = camera.projection_matrix();
        // The mirror turns the winding of every triangle around.
        glFrontFace(GL_CW);
        basic_->start();
        const mat4 view_projection = projection * view;
        basic_->set_view_projection_matrix(view_projection);
        const vec3 eye = camera.eye_position();
        const vec3 mirrored_eye(eye.x, eye.y, 2.0f * frame.water_level - eye.z);
        basic_->set_camera_position(mirrored_eye);
        basic_->set_water_clipping(true);
        draw_scene(frame, view_projection, mirrored_eye, false, true);
        basic_->stop();
        glFrontFace(GL_CCW);
        glDisable(GL_SCISSOR_TEST);
    }
    reflection_target_->unbind();
}

void frame_pipeline::main_pass(const scene& frame, const draw::camera_base& camera)
{
    const vec3& fog = frame.fog_color;
    scene_target_->clear_color(fog.r, fog.g, fog.b, 1.0f);
    scene_target_->clear_depth(1.0f);

    const mat4 view = camera.view_matrix();
    const mat4 projection = camera.projection_matrix();
    basic_->start();
    const mat4 view_projection = projection * view;
    basic_->set_view_projection_matrix(view_projection);
    basic_->set_camera_position(camera.eye_position());
    basic_->set_water_clipping(false);
    draw_scene(frame, view_projection, camera.eye_position(), true);
    basic_->stop();
}

void frame_pipeline::water_pass(const scene& frame, const draw::camera_base& camera)
{
    GLint box[4];
    if (!pixels_of(water_window_of(frame), 0.0f, width, height, box)) {
        return; // the ground hides every bit of it
    }
    glEnable(GL_SCISSOR_TEST);
    glScissor(box[0], box[1], box[2], box[3]);
    draw::water_effect& water = *water_;
    water.start();
    water.set_camera_position(camera.eye_position());
    water.set_view_projection_matrix(camera.projection_matrix() * camera.view_matrix());
    water.set_fog_enabled(true);
    water.set_fog_color(frame.fog_color);
    water.set_fog_start(frame.fog_start);
    water.set_fog_end(frame.fog_end);
    water.set_water_level(frame.water_level);
    water.bind_texture("ReflectionMap", reflection_target_->color_texture(0), 0);
    water.bind_texture("NormalMap", frame.water_normal_map->name(), 1);
    water.set_ripple_offset(frame.ripple_offset);
    const float ripple_scale = 0.1f;
    water.set_ripple_scale(ripple_scale);
    water.set_diffuse_light(frame.light_color * frame.light_intensity);
    water.set_light_direction(frame.light_direction);
    water.set_transparency_enabled(render_settings.transparency);
    water.draw();
    water.stop();
    glDisable(GL_SCISSOR_TEST);
}

void frame_pipeline::bloom_passes()
{
    begin(render_pass::bright);
    bloom_target_a_->bind();
    bright_pass_->start();
    bright_pass_->bind_texture("image", scene_target_->color_texture(0), 0);
    bright_pass_->draw();
    bright_pass_->stop();
    bloom_target_a_->unbind();
    end(render_pass::bright);

    // One horizontal and one vertical step; both targets have the same size.
    begin(render_pass::blur);
    blur_->start();
    blur_->set_step(vec2(1.0f / static_cast<float>(bloom_target_a_->width()), 0.0f));
    blur_->bind_texture("image", bloom_target_a_->color_texture(0), 0);
    bloom_target_b_->bind();
    blur_->draw();
    bloom_target_b_->unbind();
    blur_->set_step(vec2(0.0f, 1.0f / static_cast<float>(bloom_target_a_->height())));
    blur_->bind_texture("image", bloom_target_b_->color_texture(0), 0);
    bloom_target_a_->bind();
    blur_->draw();
    bloom_target_a_->unbind();
    blur_->stop();
    end(render_pass::blur);

    begin(render_pass::bloom);
    glViewport(0, 0, width, height);
    bloom_->start();
    bloom_->bind_texture("image", scene_target_->color_texture(0), 0);
    bloom_->bind_texture("bloom", bloom_target_a_->color_texture(0), 1);
    bloom_->draw();
    bloom_->stop();
    end(render_pass::bloom);
}

void frame_pipeline::draw_terrain(const scene& frame, const draw::strip_grid& grid, const mat4& world_matrix,
                                  const mat4& view_projection, const vec3& eye, bool above_water)
{
    // The mirror takes no shadows anyway (the effect's variant follows the water clipping), and
    // the areas below are rectangles only while the terrain is merely moved.
    const glm::mat3 turn(world_matrix);
    if (above_water || turn != glm::mat3(1.0f)) {
        terrain_runs_.draw(grid, world_matrix, view_projection);
        return;
    }
    // Most of the ground lies where no shadow can fall, and there the shadow lookup, a third of
    // the ground's cost on a software renderer, finds only light; most of what the camera sees
    // lies nearer than the fog's start, where the fog changes nothing. Each cell is drawn by the
    // variant with only what it needs, the nearest first.
    const vec3 offset(world_matrix[3]);
    find_shadow_areas(frame, grid, offset, shadow_areas_);
    for (vec4& area : shadow_areas_) {
        area -= vec4(offset.x, offset.y, offset.x, offset.y);
    }
    terrain_runs_.find_runs(grid, world_matrix, view_projection);
    terrain_runs_.sort_cells(grid, shadow_areas_, eye - offset, fog_free_reach(frame));
    using runs = draw::grid_strips;
    for (const unsigned kind : {0u, runs::in_area, runs::beyond, runs::beyond | runs::in_area}) {
        basic_->set_shadows_possible((kind & runs::in_area) != 0);
        basic_->set_fog_possible((kind & runs::beyond) != 0);
        terrain_runs_.draw_kind(grid, kind);
    }
    basic_->set_shadows_possible(true);
}

void frame_pipeline::draw_scene(const scene& frame, const mat4& view_projection, const vec3& eye, bool counting,
                                bool above_water)
{
    // The planes depend only on projection * view, which this already is.
    const draw::frustum planes = draw::frustum_planes(view_projection, mat4(1.0f));
    draw::basic_effect& basic = *basic_;
    const ::render_settings& settings = render_settings;
    draw::set_polygon_outlines(settings.wireframe);

    basic.set_ambient_light(frame.ambient_light);
    basic.set_diffuse_light(frame.light_color * frame.light_intensity);
    basic.set_light_direction(frame.light_direction);
    basic.set_fog_enabled(true);
    basic.set_fog_color(frame.fog_color);
    basic.set_fog_start(frame.fog_start);
    basic.set_fog_end(frame.fog_end);
    basic.set_water_level(frame.water_level);
    // The same for every item. The mirror image takes no shadows (the shader skips the lookup
    // while it clips at the water), and a map left bound would make a software renderer finish
    // the shadow pass before it starts on the reflection.
    basic.set_depth_bias_mvp(shadow_map_->bias_matrix() * shadow_map_->depth_view_projection());
    basic.bind_texture("ShadowMap", above_water ? 0 : shadow_map_->depth_texture(), 2);

    const GLfloat magnification = static_cast<GLfloat>(settings.linear_sampling ? GL_LINEAR : GL_NEAREST);
    const GLfloat minification = static_cast<GLfloat>(settings.linear_mipmaps ? GL_LINEAR_MIPMAP_LINEAR
                                                      : settings.mipmaps      ? GL_NEAREST_MIPMAP_NEAREST
                                                                              : GL_NEAREST);
    // Bindings are skipped while consecutive items share them (add_item keeps them together).
    const draw::geometry* bound_geometry = nullptr;
    const draw::material* bound_material = nullptr;
    // Nothing changes the item list during the pass, so it is walked in place: first everything
    // but the background, then the background at the far plane. Depth then hides it early wherever
    // something else was drawn, and a software renderer shades only the pixels it shows in.
    const auto draw_item = [&](const scene_item& item) {
        const draw::geometry& geometry = *item.geometry;
        const auto triangles = static_cast<std::int32_t>(geometry.triangle_count());
        if (counting) {
            draw_counters.meshes_total += 1;
            draw_counters.triangles_total += triangles;
        }
        if (settings.culling && draw::outside_frustum(geometry.bounding_sphere(), item.world_matrix, planes)) {
            return;
        }
        const draw::sphere world = draw::world_sphere(geometry.bounding_sphere(), item.world_matrix);
        if (above_water && world.center.z + world.radius < frame.water_level) {
            return; // the water clipping would cut all of it away
        }

        if (&geometry != bound_geometry) {
            bound_geometry = &geometry;
            basic.check_started();
            glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, geometry.index_buffer());
            basic.bind_attribute("inPosition", geometry.position_buffer(), GL_FLOAT, 3);
            basic.bind_attribute("inTexcoord", geometry.texcoord_buffer(), GL_FLOAT, 2);
            basic.bind_attribute("inNormal", geometry.normal_buffer(), GL_FLOAT, 3);
        }

        const draw::material& material = *item.material;
        if (&material != bound_material) {
            bound_material = &material;
            basic.set_texcoord_scale(material.texcoord_scale);
            basic.set_diffuse_color(material.diffuse_color);
            basic.set_diffuse_map_enabled(material.diffuse_map != nullptr);
            // A map the material lacks is unbound rather than left from the previous material.
            // The shader ignores it, but a software renderer samples every bound unit for every
            // pixel all the same: the sky paid for a trilinear snow lookup, the ground for the
            // sky's picture.
            if (material.diffuse_map) {
                basic.bind_texture("DiffuseMap", material.diffuse_map->name(), 0);
                // The filters stay on the texture object until the settings change them again.
                glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, magnification);
                glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, minification);
            } else {
                basic.bind_texture("DiffuseMap", 0, 0);
            }
            basic.set_emissive_color(material.emissive_color);
            basic.set_emissive_map_enabled(material.emissive_map != nullptr);
            if (material.emissive_map) {
                basic.bind_texture("EmissiveMap", material.emissive_map->name(), 1);
                // The shader reads its full-size level, bilinear; filters that say the same,
                // rather than the default mipmapped minification, let a software renderer take
                // its fast path for 8-bit textures (the sky in both scene passes: 0.5 ms of the
                // reflection). The fast path rounds its weights to 8 bits: a level at most apart.
                glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
                glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
            } else {
                basic.bind_texture("EmissiveMap", 0, 1);
            }
        }

        if (material.depth_test_disabled) {
            glDisable(GL_DEPTH_TEST);
        } else {
            glEnable(GL_DEPTH_TEST);
        }
        glDepthMask(material.depth_write_disabled ? GL_FALSE : GL_TRUE);
        if (material.background) {
            // Every fragment at depth 1, where only what nothing else covered still is.
            glDepthRangef(1.0f, 1.0f);
            glDepthFunc(GL_LEQUAL);
        }
        basic.set_world_matrix(item.world_matrix);
        basic.set_fog_possible(glm::distance(world.center, eye) + world.radius >= fog_free_reach(frame));
        if (const draw::strip_grid* grid = geometry.grid()) {
            draw_terrain(frame, *grid, item.world_matrix, view_projection, eye, above_water);
        } else {
            glDrawElements(geometry.triangle_strip() ? GL_TRIANGLE_STRIP : GL_TRIANGLES,
                           static_cast<GLsizei>(geometry.index_count()), GL_UNSIGNED_INT, nullptr);
        }
        glDepthMask(GL_TRUE);
        glEnable(GL_DEPTH_TEST);
        if (material.background) {
            glDepthRangef(0.0f, 1.0f);
            glDepthFunc(GL_LESS);
        }

        if (counting) {
            draw_counters.meshes_drawn += 1;
            draw_counters.triangles_drawn += triangles;
        }
    };
    for (const scene_item& item : frame.items()) {
        if (!item.material->background) {
            draw_item(item);
        }
    }
    for (const scene_item& item : frame.items()) {
        if (item.material->background) {
            draw_item(item);
        }
    }

    if (settings.wireframe) {
        draw::set_polygon_outlines(false);
    }
}
