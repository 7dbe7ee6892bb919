#include <gtest/gtest.h>


#include "content/manager.hpp"
#include "content/texture_loader.hpp"
#include "draw/framebuffer.hpp"
#include "draw/material.hpp"
#include "draw/effect_fixture.hpp"
#include "scene/frame_pipeline.hpp"
#include "scene/scene.hpp"

namespace {

constexpr int size = 256;

using frame_pipeline_test = test::effect_test;

std::shared_ptr<draw::material> glowing(const vec3& color)
{
    auto material = std::make_shared<draw::material>();
    material->emissive_color = color;
    return material;
}

std::vector<std::uint8_t> rgb_of(GLuint texture)
{
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(size) * size * 3);
    glBindTexture(GL_TEXTURE_2D, texture);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

// Rows (bottom first) of `rgb` holding a pixel close to `color`.
std::vector<int> rows_with(const std::vector<std::uint8_t>& rgb, const vec3& color)
{
    std::vector<int> rows;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const std::uint8_t* p = &rgb[(static_cast<std::size_t>(y) * size + x) * 3];
            if (glm::length(vec3(p[0], p[1], p[2]) / 255.0f - color) < 0.1f) {
                rows.push_back(y);
                break;
            }
        }
    }
    return rows;
}

// A red box above the water and a green one below it, seen level with the surface: the
// reflection holds the red box upside down below the horizon, and nothing of the green one.
TEST_F(frame_pipeline_test, reflection_holds_the_scene_above_the_water_mirrored_in_it)
{
    const auto pipeline = [this] {
        const test::in_source_dir here;
        return std::make_unique<frame_pipeline>(content, size, size);
    }();

    scene frame;
    frame.water_level = 0.0f;
    frame.water_normal_map = content.texture().load_shared("textures/water_normals.bmp");
    frame.add_item(scene_item(test::make_box(vec3(-1, -1, 1), vec3(1, 1, 2)), glowing(vec3(1, 0, 0)), mat4(1.0f)));
    frame.add_item(scene_item(test::make_box(vec3(-1, -1, -2), vec3(1, 1, -1)), glowing(vec3(0, 1, 0)), mat4(1.0f)));
    const test::fixed_camera camera(vec3(0, -10, 0), vec3(0, 0, 0), 50.0f);
    pipeline->render(frame, camera);

    const auto main = rgb_of(pipeline->scene_target().color_texture(0));
    const auto reflection = rgb_of(pipeline->reflection_target().color_texture(0));
    const std::vector<int> red_main = rows_with(main, vec3(1, 0, 0));
    const std::vector<int> red_mirrored = rows_with(reflection, vec3(1, 0, 0));
    ASSERT_FALSE(red_main.empty());
    ASSERT_FALSE(red_mirrored.empty());
    EXPECT_GT(red_main.front(), size / 2);
    EXPECT_LT(red_mirrored.back(), size / 2);
    // The mirror image spans the same rows reflected about the horizon.
    EXPECT_NEAR(red_mirrored.front(), size - 1 - red_main.back(), 2);
    EXPECT_FALSE(rows_with(main, vec3(0, 1, 0)).empty());
    EXPECT_TRUE(rows_with(reflection, vec3(0, 1, 0)).empty()) << "what lies below the water is not mirrored";
}

} // namespace
