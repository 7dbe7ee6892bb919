#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "draw/basic_effect.hpp"
#include "draw/bloom_effect.hpp"
#include "draw/blur_effect.hpp"
#include "draw/bright_pass_effect.hpp"
#include "draw/framebuffer.hpp"
#include "draw/material.hpp"
#include "draw/shadow_map.hpp"
#include "draw/texture.hpp"
#include "draw/water_effect.hpp"
#include "effect_fixture.hpp"
#include "scene/scene.hpp"

namespace {

constexpr int width = 320;
constexpr int height = 240;

// A snowy slab with a sunken lake on the left, a grey box floating over the snow and a glowing
// little box over the lake, drawn the way the game draws its frames; the pictures land in /tmp for looking at.
class lit_scene : public test::effect_test {
protected:
    void SetUp() override
    {
        test::effect_test::SetUp();
        if (IsSkipped()) {
            return;
        }
        shadows = test::game_shadow_map();
        ASSERT_TRUE(shadows);
        basic = std::make_unique<draw::basic_effect>(content);

        frame.water_level = -0.5f;
        const auto snow = std::make_shared<draw::material>();
        snow->diffuse_color = vec3(0.92f, 0.94f, 0.97f);
        const auto grey = std::make_shared<draw::material>();
        grey->diffuse_color = vec3(0.5f, 0.5f, 0.55f);
        const auto glowing = std::make_shared<draw::material>();
        glowing->diffuse_color = vec3(0.3f);
        glowing->emissive_color = vec3(0.2f, 1.0f, 0.2f);

        // The ground casts no shadow, as in the game.
        frame.items.emplace_back(test::make_box(vec3(-60.0f, -5.0f, -2.0f), vec3(60.0f, 60.0f, 0.0f)), snow,
                                 mat4(1.0f));
        frame.items.back().cast_shadow = false;
        frame.items.emplace_back(test::make_box(vec3(-60.0f, -60.0f, -2.0f), vec3(60.0f, -5.0f, -1.5f)), snow,
                                 mat4(1.0f));
        frame.items.back().cast_shadow = false;
        frame.items.emplace_back(test::make_box(vec3(-1.0f, -1.0f, 1.0f), vec3(1.0f, 1.0f, 3.0f)), grey, mat4(1.0f));
        frame.items.emplace_back(test::make_box(vec3(-0.2f), vec3(0.2f)), glowing,
                                 draw::translate(mat4(1.0f), vec3(3.0f, -8.0f, 0.6f)));
    }

    void TearDown() override
    {
        glFrontFace(GL_CCW);
        glViewport(0, 0, 256, 256);
    }

    // The scene's items with the started basic effect, as the game's scene drawing does.
    void draw_items(const mat4& view_projection, const vec3& eye, bool water_clipping)
    {
        basic->set_view_projection_matrix(view_projection);
        basic->set_camera_position(eye);
        basic->set_water_clipping(water_clipping);
        basic->set_ambient_light(frame.ambient_light);
        basic->set_diffuse_light(frame.light_color * frame.light_intensity);
        basic->set_light_direction(frame.light_direction);
        basic->set_fog_enabled(true);
        basic->set_fog_color(frame.fog_color);
        basic->set_fog_start(frame.fog_start);
        basic->set_fog_end(frame.fog_end);
        basic->set_water_level(frame.water_level);
        basic->bind_texture("ShadowMap", shadows->depth_texture(), 2);
        for (const scene_item& item : frame.items) {
            basic->set_depth_bias_mvp(shadows->bias_matrix() * shadows->depth_view_projection());
            glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, item.geometry->index_buffer());
            basic->bind_attribute("inPosition", item.geometry->position_buffer(), GL_FLOAT, 3);
            basic->bind_attribute("inTexcoord", item.geometry->texcoord_buffer(), GL_FLOAT, 2);
            basic->bind_attribute("inNormal", item.geometry->normal_buffer(), GL_FLOAT, 3);
            basic->set_texcoord_scale(item.material->texcoord_scale);
            basic->set_diffuse_color(item.material->diffuse_color);
            basic->set_diffuse_map_enabled(false);
            basic->set_emissive_color(item.material->emissive_color);
            basic->set_emissive_map_enabled(false);
            basic->set_world_matrix(item.world_matrix);
            glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(item.geometry->index_count()), GL_UNSIGNED_INT,
                           nullptr);
        }
    }

    void draw_pass(draw::framebuffer& target, const mat4& view_projection, const vec3& eye, bool clipping)
    {
        target.bind();
        target.clear_color(frame.fog_color.r, frame.fog_color.g, frame.fog_color.b, 1.0f);
        target.clear_depth(1.0f);
        basic->start();
        draw_items(view_projection, eye, clipping);
        basic->stop();
    }

    // The lit scene alone, read back.
    std::vector<unsigned char> render_scene(bool clipping)
    {
        glClearDepth(1.0);
        shadows->render_depth(frame, camera);
        draw::framebuffer target(width, height, 1, true);
        draw_pass(target, view_projection(), camera.eye_position(), clipping);
        std::vector<unsigned char> pixels = test::read_pixels(0, 0, width, height);
        target.unbind();
        return pixels;
    }

    mat4 view_projection() const { return camera.projection_matrix() * camera.view_matrix(); }

    // The pixel a world point lands on.
    const unsigned char* at(const std::vector<unsigned char>& pixels, const vec3& world) const
    {
        const vec4 clip = view_projection() * vec4(world, 1.0f);
        const int x = static_cast<int>((clip.x / clip.w * 0.5f + 0.5f) * width);
        const int y = static_cast<int>((clip.y / clip.w * 0.5f + 0.5f) * height);
        EXPECT_TRUE(x >= 0 && x < width && y >= 0 && y < height) << "off screen";
        return &pixels[(static_cast<std::size_t>(std::clamp(y, 0, height - 1)) * width + std::clamp(x, 0, width - 1)) *
                       4];
    }

    static int brightness(const unsigned char* p) { return p[0] + p[1] + p[2]; }

    scene frame;
    // From the side, the box on the right, the lake on the left.
    test::fixed_camera camera{vec3(12.0f, -2.0f, 6.0f), vec3(0.0f, -3.0f, 0.0f), 50.0f,
                              static_cast<float>(width) / height};
    std::unique_ptr<draw::shadow_map> shadows;
    std::unique_ptr<draw::basic_effect> basic;
};

TEST_F(lit_scene, the_box_shadows_the_ground_and_the_fog_swallows_the_distance)
{
    frame.fog_start = 15.0f;
    frame.fog_end = 40.0f;
    const std::vector<unsigned char> pixels = render_scene(false);
    test::save_png("/tmp/kalvanor_lit_scene.png", pixels, width, height);

    // Light travelling along (0, 1, -1): the box's shadow lies 1..4 units further along +y.
    const unsigned char* shadowed = at(pixels, vec3(0.0f, 2.5f, 0.0f));
    const unsigned char* lit = at(pixels, vec3(2.5f, 1.5f, 0.0f));
    EXPECT_LT(brightness(shadowed) + 300, brightness(lit));
    EXPECT_GT(brightness(shadowed), 200) << "ambient light remains in the shadow";
    EXPECT_GT(shadowed[2], shadowed[0] + 20) << "and it is the sky's blue";

    // The box's top faces the light at 45 degrees and must not shadow itself (acne).
    const unsigned char* top = at(pixels, vec3(0.0f, 0.0f, 3.0f));
    const unsigned char* top_corner = at(pixels, vec3(0.7f, 0.7f, 3.0f));
    const int expected_top = static_cast<int>(0.5f * (0.3f + 0.99f * 0.70710677f) * 255.0f);
    EXPECT_NEAR(top[0], expected_top, 4);
    EXPECT_NEAR(top_corner[0], expected_top, 4);

    // The glowing box shines in its own colour even on its unlit side.
    const unsigned char* glow = at(pixels, vec3(3.2f, -8.0f, 0.6f));
    EXPECT_GT(glow[1], 240);
    EXPECT_LT(glow[0], 160);

    // Nearby ground is unfogged; past the fog end it is the fog colour.
    const unsigned char* near_ground = at(pixels, vec3(6.0f, -2.0f, 0.0f));
    EXPECT_LT(near_ground[0], near_ground[2] - 8) << "not yet the grey-blue of the fog";
    const unsigned char* far_ground = at(pixels, vec3(-29.0f, -1.0f, 0.0f));
    EXPECT_NEAR(far_ground[0], 204, 2);
    EXPECT_NEAR(far_ground[1], 230, 2);
    EXPECT_NEAR(far_ground[2], 242, 2);
}

TEST_F(lit_scene, water_clipping_cuts_away_only_what_lies_below_the_water)
{
    const std::vector<unsigned char> clipped = render_scene(true);
    const std::vector<unsigned char> whole = render_scene(false);
    const vec3 lake(0.0f, -8.0f, -1.5f); // below the water level of -0.5
    const vec3 slab(4.0f, 0.0f, 0.0f);   // above it
    EXPECT_NE(brightness(at(clipped, lake)), brightness(at(whole, lake)));
    EXPECT_EQ(brightness(at(clipped, lake)), 204 + 230 + 242) << "the clear colour shows where the lake was";
    EXPECT_EQ(brightness(at(clipped, slab)), brightness(at(whole, slab)));
    EXPECT_FALSE(test::enabled(GL_CLIP_DISTANCE0));
}

// The whole frame as the game composes it: shadow, mirrored scene, lit scene with the water over
// it, bright pass, blur and bloom.
TEST_F(lit_scene, a_whole_frame_reflects_the_scene_in_the_water_and_glows)
{
    draw::water_effect water(content);
    draw::bright_pass_effect bright(content);
    draw::blur_effect blur(content);
    draw::bloom_effect bloom(content);
    draw::framebuffer reflection(width, height, 1, true);
    draw::framebuffer scene_target(width, height, 1, true);
    draw::framebuffer bloom_a(width / 2, height / 2, 1, false);
    draw::framebuffer bloom_b(width / 2, height / 2, 1, false);
    draw::framebuffer screen(width, height, 1, false);
    // Gentle ripples: normals tilting a little in x and y in a repeating pattern.
    std::vector<std::uint8_t> ripples;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const float a = static_cast<float>(x) / 32.0f * 6.2831853f;
            const float b = static_cast<float>(y) / 32.0f * 6.2831853f;
            const vec3 n = glm::normalize(vec3(0.3f * std::sin(a + b), 0.3f * std::cos(2.0f * b - a), 1.0f));
            ripples.insert(ripples.end(), {static_cast<std::uint8_t>(127.5f + 127.5f * n.x),
                                           static_cast<std::uint8_t>(127.5f + 127.5f * n.y),
                                           static_cast<std::uint8_t>(127.5f + 127.5f * n.z), 255});
        }
    }
    draw::texture normals(32, 32, ripples.data());

    glClearDepth(1.0);
    shadows->render_depth(frame, camera);

    glFrontFace(GL_CW);
    const vec3 eye = camera.eye_position();
    draw_pass(reflection, camera.projection_matrix() * draw::mirror_view(camera, frame.water_level),
              vec3(eye.x, eye.y, 2.0f * frame.water_level - eye.z), true);
    glFrontFace(GL_CCW);
    reflection.unbind();

    draw_pass(scene_target, view_projection(), eye, false);
    water.start();
    water.set_camera_position(eye);
    water.set_view_projection_matrix(view_projection());
    water.set_fog_enabled(true);
    water.set_fog_color(frame.fog_color);
    water.set_fog_start(frame.fog_start);
    water.set_fog_end(frame.fog_end);
    water.set_water_level(frame.water_level);
    water.bind_texture("ReflectionMap", reflection.color_texture(0), 0);
    water.bind_texture("NormalMap", normals.name(), 1);
    water.set_ripple_offset(vec2(0.3f, 0.3f));
    water.set_ripple_scale(0.1f);
    water.set_diffuse_light(frame.light_color * frame.light_intensity);
    water.set_light_direction(frame.light_direction);
    water.set_transparency_enabled(true);
    water.draw();
    water.stop();
    const std::vector<unsigned char> lit = test::read_pixels(0, 0, width, height);
    scene_target.unbind();

    bloom_a.bind();
    bright.start();
    bright.bind_texture("image", scene_target.color_texture(0), 0);
    bright.draw();
    bright.stop();
    bloom_a.unbind();
    blur.start();
    blur.set_step(vec2(1.0f / static_cast<float>(bloom_a.width()), 0.0f));
    blur.bind_texture("image", bloom_a.color_texture(0), 0);
    bloom_b.bind();
    blur.draw();
    bloom_b.unbind();
    blur.set_step(vec2(0.0f, 1.0f / static_cast<float>(bloom_a.height())));
    blur.bind_texture("image", bloom_b.color_texture(0), 0);
    bloom_a.bind();
    blur.draw();
    bloom_a.unbind();
    blur.stop();

    screen.bind();
    bloom.start();
    bloom.bind_texture("image", scene_target.color_texture(0), 0);
    bloom.bind_texture("bloom", bloom_a.color_texture(0), 1);
    bloom.draw();
    bloom.stop();
    const std::vector<unsigned char> final_picture = test::read_pixels(0, 0, width, height);
    screen.unbind();
    glActiveTexture(GL_TEXTURE0);
    test::save_png("/tmp/kalvanor_frame_before_bloom.png", lit, width, height);
    test::save_png("/tmp/kalvanor_frame.png", final_picture, width, height);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    // The lake is no longer the plain fogged ground: the water covers it.
    const vec3 lake(0.0f, -8.0f, -0.5f);
    EXPECT_NE(brightness(at(lit, lake)), brightness(at(render_scene(false), lake)));
    // Next to the glowing box the glow has spilled over; far from it nothing changed much.
    const unsigned char* beside_before = at(lit, vec3(3.0f, -8.5f, 0.6f));
    const unsigned char* beside_after = at(final_picture, vec3(3.0f, -8.5f, 0.6f));
    EXPECT_GT(beside_after[1], beside_before[1] + 10);
    const unsigned char* away_before = at(lit, vec3(4.0f, 0.0f, 0.0f));
    const unsigned char* away_after = at(final_picture, vec3(4.0f, 0.0f, 0.0f));
    EXPECT_NEAR(brightness(away_after), brightness(away_before), 40);
}

} // namespace
