#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "draw/framebuffer.hpp"
#include "draw/texture.hpp"
#include "draw/water_effect.hpp"
#include "effect_fixture.hpp"

namespace {

using water_effect = test::effect_test;
using test::enabled;
using test::integer_state;

TEST_F(water_effect, blends_over_the_scene_without_writing_depth_and_stop_restores)
{
    draw::water_effect effect(content);
    effect.start();
    EXPECT_TRUE(enabled(GL_DEPTH_TEST));
    EXPECT_TRUE(enabled(GL_CULL_FACE));
    EXPECT_TRUE(enabled(GL_BLEND));
    EXPECT_EQ(integer_state(GL_BLEND_SRC_RGB), GL_SRC_ALPHA);
    EXPECT_EQ(integer_state(GL_BLEND_DST_RGB), GL_ONE_MINUS_SRC_ALPHA);
    EXPECT_EQ(integer_state(GL_BLEND_SRC_ALPHA), GL_SRC_ALPHA);
    EXPECT_EQ(integer_state(GL_BLEND_DST_ALPHA), GL_ONE_MINUS_SRC_ALPHA);
    EXPECT_EQ(integer_state(GL_DEPTH_WRITEMASK), GL_FALSE);
    // The water does not write the clip distance, so clipping must not be left on for it.
    EXPECT_FALSE(enabled(GL_CLIP_DISTANCE0));

    effect.stop();
    EXPECT_EQ(integer_state(GL_DEPTH_WRITEMASK), GL_TRUE);
    for (GLenum capability : {GL_BLEND, GL_DEPTH_TEST, GL_CULL_FACE, GL_MULTISAMPLE}) {
        EXPECT_FALSE(enabled(capability)) << capability;
    }
}

// The water seen from above over a target cleared to blue: the reflection shows at the
// fragment's own screen position, and opaque water hides what lies below. The uniforms not set
// here keep their zero defaults: no fog, no sunlight to glint, the water at level 0.
TEST_F(water_effect, shows_the_reflection_where_it_lies_on_screen)
{
    constexpr int size = 64;
    draw::water_effect effect(content);
    draw::framebuffer reflection(size, size, 1, false);
    draw::framebuffer target(size, size, 1, true);
    // Reflection: left half red, right half green.
    std::vector<unsigned char> mirrored(size * size * 3, 0);
    for (int i = 0; i < size * size; ++i) {
        mirrored[i * 3 + (i % size < size / 2 ? 0 : 1)] = 255;
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
    effect.bind_texture("ReflectionMap", reflection.color_texture(0), 0);
    effect.bind_texture("NormalMap", normals.name(), 1);
    effect.set_transparency_enabled(true);
    EXPECT_EQ(test::uniform_int(effect.program_name(), "TransparencyEnabled"), 1);
    effect.set_transparency_enabled(false);
    EXPECT_EQ(test::uniform_int(effect.program_name(), "TransparencyEnabled"), 0);
    effect.draw();
    effect.stop();
    const std::vector<unsigned char> pixels = test::read_pixels(0, 0, size, size);
    target.unbind();
    glActiveTexture(GL_TEXTURE0);
    test::save_png("/tmp/kalvanor_water.png", pixels, size, size);

    const unsigned char* left = &pixels[(32 * size + 10) * 4];
    const unsigned char* right = &pixels[(32 * size + 54) * 4];
    EXPECT_GT(left[0], 100);
    EXPECT_LT(left[1], 40);
    EXPECT_LT(left[2], 40) << "opaque water hides the blue below";
    EXPECT_GT(right[1], 100);
    EXPECT_LT(right[0], 40);
}

} // namespace
