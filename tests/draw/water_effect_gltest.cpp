#include <gtest/gtest.h>

#include <vector>

#include "draw/framebuffer.hpp"
#include "draw/water_effect.hpp"
#include "effect_fixture.hpp"

namespace {

using water_effect = test::effect_test;

// The water seen from above over a target cleared to blue: the reflection shows at the
// fragment's own screen position, and opaque water hides what lies below. The uniforms not set
// here keep their zero defaults: no fog, no sunlight to glint, the water at level 0.
TEST_F(water_effect, shows_the_reflection_where_it_lies_on_screen)
{
    constexpr int size = 64;
    draw::water_effect effect(content);
    draw::framebuffer target(size, size, 1, true);
    // Reflection: left half red, right half green.
    std::vector<unsigned char> mirrored(size * size * 3, 0);
    for (int i = 0; i < size * size; ++i) {
        mirrored[i * 3 + (i % size < size / 2 ? 0 : 1)] = 255;
    }
    const auto reflection = test::upload(mirrored, size);
    // A flat normal map: ripples that tilt nothing.
    const auto normals = test::upload({128, 128, 255}, 1);
    const test::fixed_camera camera(vec3(0.0f, -3.0f, 10.0f), vec3(0.0f), 100.0f);

    target.bind();
    target.clear_color(0.0f, 0.0f, 1.0f, 1.0f);
    target.clear_depth(1.0f);
    effect.start();
    effect.set_camera_position(camera.eye);
    effect.set_view_projection_matrix(camera.projection_matrix() * camera.view_matrix());
    effect.bind_texture("ReflectionMap", reflection->color_texture(0), 0);
    effect.bind_texture("NormalMap", normals->color_texture(0), 1);
    effect.set_transparency_enabled(false);
    effect.draw();
    effect.stop();
    const std::vector<unsigned char> pixels = test::read_pixels(0, 0, size, size);
    target.unbind();
    glActiveTexture(GL_TEXTURE0);

    const unsigned char* left = &pixels[(32 * size + 10) * 4];
    const unsigned char* right = &pixels[(32 * size + 54) * 4];
    EXPECT_GT(left[0], 100);
    EXPECT_LT(left[1], 40);
    EXPECT_LT(left[2], 40) << "opaque water hides the blue below";
    EXPECT_GT(right[1], 100);
    EXPECT_LT(right[0], 40);
}

} // namespace
