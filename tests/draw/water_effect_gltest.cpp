#include <gtest/gtest.h>

#include <cstdint>

#include "draw/framebuffer.hpp"
#include "draw/texture.hpp"
#include "draw/water_effect.hpp"
#include "effect_fixture.hpp"

namespace {

using water_effect = test::effect_test;
using test::enabled;

TEST_F(water_effect, blends_over_the_scene_without_writing_depth_and_stop_restores)
{
    draw::water_effect effect(content);
    effect.start();
    EXPECT_TRUE(enabled(GL_DEPTH_TEST));
    EXPECT_TRUE(enabled(GL_CULL_FACE));
    EXPECT_TRUE(enabled(GL_BLEND));
    EXPECT_EQ(test::integer_state(GL_BLEND_SRC_RGB), GL_SRC_ALPHA);
    EXPECT_EQ(test::integer_state(GL_BLEND_DST_RGB), GL_ONE_MINUS_SRC_ALPHA);
    EXPECT_EQ(test::integer_state(GL_BLEND_SRC_ALPHA), GL_SRC_ALPHA);
    EXPECT_EQ(test::integer_state(GL_BLEND_DST_ALPHA), GL_ONE_MINUS_SRC_ALPHA);
    EXPECT_EQ(test::integer_state(GL_DEPTH_WRITEMASK), GL_FALSE);
    // The water does not write the clip distance, so clipping must not be left on for it.
    EXPECT_FALSE(enabled(GL_CLIP_DISTANCE0));

    effect.stop();
    EXPECT_FALSE(enabled(GL_BLEND));
    EXPECT_EQ(test::integer_state(GL_DEPTH_WRITEMASK), GL_TRUE);
    EXPECT_FALSE(enabled(GL_DEPTH_TEST));
    EXPECT_FALSE(enabled(GL_CULL_FACE));
    EXPECT_FALSE(enabled(GL_MULTISAMPLE));
}

TEST_F(water_effect, its_setters_reach_the_uniforms_the_pipeline_sends)
{
    draw::water_effect effect(content);
    const GLuint program = effect.program_name();
    effect.start();
    effect.set_ripple_offset(vec2(0.25f, 0.5f));
    effect.set_ripple_scale(0.1f);
    effect.set_transparency_enabled(true);
    EXPECT_EQ(test::uniform_floats(program, "RippleOffset", 2), (std::vector<float>{0.25f, 0.5f}));
    EXPECT_EQ(test::uniform_floats(program, "RippleScale", 1), (std::vector<float>{0.1f}));
    EXPECT_EQ(test::uniform_int(program, "TransparencyEnabled"), 1);
    effect.set_transparency_enabled(false);
    EXPECT_EQ(test::uniform_int(program, "TransparencyEnabled"), 0);

    effect.set_light_direction(vec3(0.0f, 1.0f, -1.0f));
    EXPECT_FLOAT_EQ(test::uniform_floats(program, "LightVector", 3)[2], 0.70710677f);
    // Everything else the water pass sends.
    EXPECT_NO_THROW({
        effect.set_camera_position(vec3(0.0f));
        effect.set_view_projection_matrix(mat4(1.0f));
        effect.set_fog_enabled(true);
        effect.set_fog_color(vec3(1.0f));
        effect.set_fog_start(1.0f);
        effect.set_fog_end(2.0f);
        effect.set_water_level(0.0f);
        effect.set_diffuse_light(vec3(1.0f));
        effect.bind_texture("ReflectionMap", 0, 0);
        effect.bind_texture("NormalMap", 0, 1);
    });
    effect.stop();
    glActiveTexture(GL_TEXTURE0);
}

// The water seen from above: the reflection shows through at the fragment's own screen position,
// and with transparency on the scene below shows through more where the view is steep.
class water_picture : public water_effect {
protected:
    static constexpr int size = 64;

    // Draws the water over a target cleared to `below` and returns the pixels.
    std::vector<unsigned char> draw_water(bool transparent, float fog_end)
    {
        draw::water_effect effect(content);
        draw::framebuffer reflection(size, size, 1, false);
        draw::framebuffer target(size, size, 1, true);
        // Reflection: left half red, right half green.
        std::vector<unsigned char> mirrored(size * size * 3);
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                unsigned char* p = &mirrored[(y * size + x) * 3];
                p[0] = x < size / 2 ? 255 : 0;
                p[1] = x < size / 2 ? 0 : 255;
                p[2] = 0;
            }
        }
        glBindTexture(GL_TEXTURE_2D, reflection.color_texture(0));
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, size, size, GL_RGB, GL_UNSIGNED_BYTE, mirrored.data());
        // A flat normal map: ripples that tilt nothing.
        const std::vector<std::uint8_t> flat{128, 128, 255, 255};
        draw::texture normals(1, 1, flat.data());

        const test::fixed_camera camera(vec3(0.0f, -3.0f, 10.0f), vec3(0.0f), 100.0f);
        target.bind();
        target.clear_color(0.0f, 0.0f, 1.0f, 1.0f);
        target.clear_depth(1.0f);
        effect.start();
        effect.set_camera_position(camera.eye_position());
        effect.set_view_projection_matrix(camera.projection_matrix() * camera.view_matrix());
        effect.set_fog_enabled(true);
        effect.set_fog_color(vec3(1.0f));
        effect.set_fog_start(fog_end - 1.0f);
        effect.set_fog_end(fog_end);
        effect.set_water_level(0.0f);
        effect.bind_texture("ReflectionMap", reflection.color_texture(0), 0);
        effect.bind_texture("NormalMap", normals.name(), 1);
        effect.set_ripple_offset(vec2(0.3f, 0.7f));
        effect.set_ripple_scale(0.1f);
        // From straight behind the camera: no glint anywhere in view.
        effect.set_diffuse_light(vec3(1.0f));
        effect.set_light_direction(vec3(0.0f, 0.0f, 1.0f));
        effect.set_transparency_enabled(transparent);
        effect.draw();
        effect.stop();
        std::vector<unsigned char> pixels = test::read_pixels(0, 0, size, size);
        target.unbind();
        glActiveTexture(GL_TEXTURE0);
        return pixels;
    }

    static const unsigned char* at(const std::vector<unsigned char>& pixels, int x, int y)
    {
        return &pixels[(y * size + x) * 4];
    }
};

TEST_F(water_picture, opaque_water_shows_the_reflection_where_it_lies_on_screen)
{
    const std::vector<unsigned char> pixels = draw_water(false, 1000.0f);
    test::save_png("/tmp/kalvanor_water_opaque.png", pixels, size, size);
    const unsigned char* left = at(pixels, 10, 32);
    const unsigned char* right = at(pixels, 54, 32);
    EXPECT_GT(left[0], 100);
    EXPECT_LT(left[1], 40);
    EXPECT_LT(left[2], 40) << "opaque water hides the blue below";
    EXPECT_GT(right[1], 100);
    EXPECT_LT(right[0], 40);
    EXPECT_LT(right[2], 40);
}

TEST_F(water_picture, transparent_water_lets_the_scene_below_show_through)
{
    const std::vector<unsigned char> pixels = draw_water(true, 1000.0f);
    const unsigned char* left = at(pixels, 10, 32);
    EXPECT_GT(left[2], 60) << "looking down, the blue below shows through";
    EXPECT_GT(left[0], 40) << "and the reflection is still there";
}

TEST_F(water_picture, fog_covers_water_beyond_the_fog_end)
{
    const std::vector<unsigned char> pixels = draw_water(false, 5.0f);
    const unsigned char* centre = at(pixels, 32, 32);
    for (int channel = 0; channel < 3; ++channel) {
        EXPECT_GT(centre[channel], 250) << "channel " << channel;
    }
}

} // namespace
