#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "draw/basic_effect.hpp"
#include "draw/framebuffer.hpp"
#include "draw/material.hpp"
#include "draw/shadow_map.hpp"
#include "effect_fixture.hpp"
#include "scene/scene.hpp"

namespace {

constexpr int width = 320;
constexpr int height = 240;

using lit_scene = test::effect_test;

// A snowy slab with a sunken lake, a grey box floating over the snow and a glowing little box
// over the lake, drawn through the game's shaders the way its scene pass draws; the picture lands
// in /tmp for looking at.
TEST_F(lit_scene, shadow_glow_fog_and_water_clipping_show_in_one_frame)
{
    const auto shadows = test::game_shadow_map();
    draw::basic_effect basic(content);
    scene frame;
    frame.water_level = -0.5f;
    frame.fog_start = 15.0f;
    frame.fog_end = 40.0f;
    const auto add = [&frame](vec3 low, vec3 high, vec3 diffuse, vec3 emissive, bool casts, vec3 at = vec3(0.0f)) {
        auto material = std::make_shared<draw::material>();
        material->diffuse_color = diffuse;
        material->emissive_color = emissive;
        frame.items.emplace_back(test::make_box(low, high), material, draw::translate(mat4(1.0f), at));
        frame.items.back().cast_shadow = casts;
    };
    // The ground casts no shadow, as in the game.
    const vec3 snow(0.92f, 0.94f, 0.97f);
    add({-60, -5, -2}, {60, 60, 0}, snow, vec3(0.0f), false);
    add({-60, -60, -2}, {60, -5, -1.5f}, snow, vec3(0.0f), false);
    add({-1, -1, 1}, {1, 1, 3}, {0.5f, 0.5f, 0.55f}, vec3(0.0f), true);
    add(vec3(-0.2f), vec3(0.2f), vec3(0.3f), {0.2f, 1.0f, 0.2f}, true, {3.0f, -8.0f, 0.6f});
    // From the side, the box on the right, the lake on the left.
    const test::fixed_camera camera(vec3(12, -2, 6), vec3(0, -3, 0), 50.0f, static_cast<float>(width) / height);
    const mat4 view_projection = camera.projection_matrix() * camera.view_matrix();
    glClearDepth(1.0);
    shadows->render_depth(frame, camera);

    draw::framebuffer target(width, height, 1, true);
    target.bind();
    target.clear_color(frame.fog_color.r, frame.fog_color.g, frame.fog_color.b, 1.0f);
    target.clear_depth(1.0f);
    basic.start();
    basic.set_view_projection_matrix(view_projection);
    basic.set_camera_position(camera.eye_position());
    basic.set_water_clipping(true);
    basic.set_ambient_light(frame.ambient_light);
    basic.set_diffuse_light(frame.light_color * frame.light_intensity);
    basic.set_light_direction(frame.light_direction);
    basic.set_fog_enabled(true);
    basic.set_fog_color(frame.fog_color);
    basic.set_fog_start(frame.fog_start);
    basic.set_fog_end(frame.fog_end);
    basic.set_water_level(frame.water_level);
    basic.bind_texture("ShadowMap", shadows->depth_texture(), 2);
    basic.set_depth_bias_mvp(shadows->bias_matrix() * shadows->depth_view_projection());
    // The material maps stay off (0 in a fresh program), but a shader that lost their samplers
    // would stop the game at its first textured material.
    basic.bind_texture("DiffuseMap", 0, 0);
    basic.bind_texture("EmissiveMap", 0, 1);
    for (const scene_item& item : frame.items) {
        glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, item.geometry->index_buffer());
        basic.bind_attribute("inPosition", item.geometry->position_buffer(), GL_FLOAT, 3);
        basic.bind_attribute("inTexcoord", item.geometry->texcoord_buffer(), GL_FLOAT, 2);
        basic.bind_attribute("inNormal", item.geometry->normal_buffer(), GL_FLOAT, 3);
        basic.set_diffuse_color(item.material->diffuse_color);
        basic.set_emissive_color(item.material->emissive_color);
        basic.set_world_matrix(item.world_matrix);
        glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(item.geometry->index_count()), GL_UNSIGNED_INT, nullptr);
    }
    basic.stop();
    const std::vector<unsigned char> pixels = test::read_pixels(0, 0, width, height);
    target.unbind();
    glActiveTexture(GL_TEXTURE0);
    test::save_png("/tmp/kalvanor_lit_scene.png", pixels, width, height);

    // The colour of the pixel a world point lands on.
    const auto at = [&](const vec3& world) {
        const vec4 clip = view_projection * vec4(world, 1.0f);
        const int x = static_cast<int>((clip.x / clip.w * 0.5f + 0.5f) * width);
        const int y = static_cast<int>((clip.y / clip.w * 0.5f + 0.5f) * height);
        EXPECT_TRUE(x >= 0 && x < width && y >= 0 && y < height) << "off screen";
        const unsigned char* p = &pixels[(std::clamp(y, 0, height - 1) * width + std::clamp(x, 0, width - 1)) * 4];
        return std::vector<int>{p[0], p[1], p[2]};
    };
    const auto brightness = [](const std::vector<int>& p) { return p[0] + p[1] + p[2]; };

    // Light travelling along (0, 1, -1): the box's shadow lies 1..4 units further along +y.
    const std::vector<int> shadowed = at(vec3(0.0f, 2.5f, 0.0f));
    EXPECT_LT(brightness(shadowed) + 300, brightness(at(vec3(2.5f, 1.5f, 0.0f))));
    EXPECT_GT(brightness(shadowed), 200) << "ambient light remains in the shadow";
    EXPECT_GT(shadowed[2], shadowed[0] + 20) << "and it is the sky's blue";

    // The box's top faces the light at 45 degrees and must not shadow itself (acne).
    EXPECT_NEAR(at(vec3(0.7f, 0.7f, 3.0f))[0], static_cast<int>(0.5f * (0.3f + 0.99f * 0.70710677f) * 255), 4);

    // The glowing box shines in its own colour even on its unlit side.
    const std::vector<int> glow = at(vec3(3.2f, -8.0f, 0.6f));
    EXPECT_GT(glow[1], 240);
    EXPECT_LT(glow[0], 160);

    // Nearby ground is unfogged; past the fog end it is the fog colour.
    const std::vector<int> near_ground = at(vec3(6.0f, -2.0f, 0.0f));
    EXPECT_LT(near_ground[0], near_ground[2] - 8) << "not yet the grey-blue of the fog";
    const std::vector<int> far_ground = at(vec3(-29.0f, -1.0f, 0.0f));
    EXPECT_NEAR(far_ground[0], 204, 2);
    EXPECT_NEAR(far_ground[1], 230, 2);
    EXPECT_NEAR(far_ground[2], 242, 2);

    // Clipping cuts away the lake bed below the water: the clear colour shows where the barely
    // fogged snow would be.
    EXPECT_EQ(at(vec3(0.0f, -8.0f, -1.5f)), (std::vector<int>{204, 230, 242}));
}

} // namespace
