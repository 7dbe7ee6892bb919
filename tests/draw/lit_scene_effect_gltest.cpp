#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <tuple>
#include <vector>

#include "content/texture_loader.hpp"
#include "draw/framebuffer.hpp"
#include "draw/material.hpp"
#include "effect_fixture.hpp"
#include "scene/frame_pipeline.hpp"
#include "scene/scene.hpp"

namespace {

constexpr int width = 320;
constexpr int height = 240;

// Boxes drawn by the game's own passes; the main pass's picture is kept for reading back.
class lit_scene : public test::effect_test {
protected:
    void add(vec3 low, vec3 high, vec3 diffuse, bool casts)
    {
        auto material = std::make_shared<draw::material>();
        material->diffuse_color = diffuse;
        scene_item item(test::make_box(low, high), material, mat4(1.0f));
        item.cast_shadow = casts;
        frame.add_item(item);
    }

    // Draws the frame; its main pass's picture lands in /tmp/kalvanor_<name>.png for looking at.
    void render(const test::fixed_camera& camera, const char* name)
    {
        const test::in_source_dir here; // the shadow map reads its shaders from assets/
        // Far below the far plane: no water over the scene.
        frame.water_level = -100.0f;
        frame.water_normal_map = content.texture().load_shared("textures/water_normals.bmp");
        frame_pipeline pipeline(content, width, height);
        pipeline.render(frame, camera);
        pixels.resize(static_cast<std::size_t>(width) * height * 4);
        glBindTexture(GL_TEXTURE_2D, pipeline.scene_target().color_texture(0));
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        test::save_png(std::string("/tmp/kalvanor_") + name + ".png", pixels, width, height);
        view_projection = camera.projection_matrix() * camera.view_matrix();
    }

    // The colour of the pixel a world point lands on.
    std::vector<int> at(const vec3& world) const
    {
        const vec4 clip = view_projection * vec4(world, 1.0f);
        const int x = static_cast<int>((clip.x / clip.w * 0.5f + 0.5f) * width);
        const int y = static_cast<int>((clip.y / clip.w * 0.5f + 0.5f) * height);
        EXPECT_TRUE(x >= 0 && x < width && y >= 0 && y < height) << "off screen";
        const unsigned char* p = &pixels[(std::clamp(y, 0, height - 1) * width + std::clamp(x, 0, width - 1)) * 4];
        return {p[0], p[1], p[2]};
    }

    scene frame;
    std::vector<unsigned char> pixels;
    mat4 view_projection{1.0f};
};

int brightness(const std::vector<int>& p) { return p[0] + p[1] + p[2]; }

// A snowy slab and a grey box floating over it. Glow and water clipping are the frame pipeline's
// tests.
TEST_F(lit_scene, shadow_without_acne_and_fog_show_in_the_main_pass)
{
    frame.fog_start = 15.0f;
    frame.fog_end = 40.0f;
    // The ground casts no shadow, as in the game.
    add({-60, -60, -2}, {60, 60, 0}, {0.92f, 0.94f, 0.97f}, false);
    add({-1, -1, 1}, {1, 1, 3}, {0.5f, 0.5f, 0.55f}, true);
    // From the side, the box on the right.
    render(test::fixed_camera(vec3(12, -2, 6), vec3(0, -3, 0), 50.0f, static_cast<float>(width) / height),
           "lit_scene");

    // Light travelling along (0, 1, -1): the box's shadow lies 1..4 units further along +y.
    const std::vector<int> shadowed = at(vec3(0.0f, 2.5f, 0.0f));
    EXPECT_LT(brightness(shadowed) + 300, brightness(at(vec3(2.5f, 1.5f, 0.0f))));
    EXPECT_GT(brightness(shadowed), 200) << "ambient light remains in the shadow";
    EXPECT_GT(shadowed[2], shadowed[0] + 20) << "and it is the sky's blue";

    // The box's top faces the light at 45 degrees and must not shadow itself (acne).
    EXPECT_NEAR(at(vec3(0.7f, 0.7f, 3.0f))[0], static_cast<int>(0.5f * (0.3f + 0.99f * 0.70710677f) * 255), 4);

    // Nearby ground is unfogged; past the fog end it is the fog colour.
    const std::vector<int> near_ground = at(vec3(6.0f, -2.0f, 0.0f));
    EXPECT_LT(near_ground[0], near_ground[2] - 8) << "not yet the grey-blue of the fog";
    const std::vector<int> far = at(vec3(-29.0f, -1.0f, 0.0f));
    EXPECT_LE(std::max({std::abs(far[0] - 204), std::abs(far[1] - 230), std::abs(far[2] - 242)}), 2);
}

// The lighting rule: a face gets the ambient light plus the diffuse light times the cosine of its
// angle to the light, and a face turned away from the light gets the ambient light alone, not
// less. A box alone, no fog, nothing to shadow it.
TEST_F(lit_scene, faces_turned_away_from_the_light_get_the_ambient_light_and_no_less)
{
    frame.fog_start = 100.0f;
    frame.fog_end = 200.0f;
    const vec3 albedo(0.5f, 0.5f, 0.55f);
    add({-1, -1, 1}, {1, 1, 3}, albedo, true);
    // From +x, +y and above: the top faces the light, which travels along (0, 1, -1), at 45
    // degrees; the +x face is edge-on to it, and the +y face is turned 45 degrees beyond edge-on.
    render(test::fixed_camera(vec3(6, 8, 5), vec3(0, 0, 2), 50.0f, static_cast<float>(width) / height),
           "lit_scene_away");
    const vec3 ambient = albedo * frame.ambient_light;
    const vec3 lit = ambient + albedo * frame.light_color * frame.light_intensity * 0.70710677f;
    const std::tuple<const char*, vec3, vec3> faces[] = {
        {"top, lit at 45 degrees", vec3(0, 0, 3), lit},
        {"+x, edge-on", vec3(1, 0, 2), ambient},
        {"+y, turned away", vec3(0, 1, 2), ambient},
    };
    for (const auto& [face, centre, expected] : faces) {
        const std::vector<int> seen = at(centre);
        for (int c = 0; c < 3; ++c) {
            EXPECT_NEAR(seen[c], expected[c] * 255.0f, 1.5) << face << " face, channel " << c;
        }
    }
}

} // namespace
