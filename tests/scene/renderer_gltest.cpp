#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "content/manager.hpp"
#include "draw/gl.hpp"
#include "draw/material.hpp"
#include "model/world.hpp"
#include "scene/debug_status.hpp"
#include "scene/frame_pipeline.hpp"
#include "scene/renderer.hpp"
#include "support/gl_context.hpp"
#include "view/camera.hpp"

namespace {

constexpr int size = 256; // the test window's

// The real renderer with the game's assets, over a flat world at z = 0 with the water below it.
class renderer_test : public test::gl_test {
protected:
    void SetUp() override
    {
        gl_test::SetUp();
        if (IsSkipped() || HasFatalFailure()) {
            return;
        }
        w.player.position.z = 0.0f;
        // The shadow map reads its shaders relative to the working directory, as in the game.
        const std::filesystem::path previous = std::filesystem::current_path();
        std::filesystem::current_path(KALVANOR_SOURCE_DIR);
        content::manager content("assets/");
        draw = std::make_unique<renderer>(content, w, size, size);
        std::filesystem::current_path(previous);
    }

    void add_enemy(float x, float y)
    {
        w.enemies.emplace_back(x, y, 5.0f, 15.0f);
        w.enemies.back().position.z = 0.0f;
    }

    render_settings& settings() { return draw->pipeline().render_settings; }

    std::vector<unsigned char> frame()
    {
        draw->draw(w);
        return test::read_pixels(0, 0, size, size);
    }

    world w{std::make_shared<model::heightmap>(100, 100)};
    std::unique_ptr<renderer> draw;
};

TEST_F(renderer_test, a_frame_holds_sky_player_ground_then_the_enemies_grouped_newest_first)
{
    for (int k = 1; k <= 3; ++k) {
        add_enemy(10.0f * static_cast<float>(k), 30.0f);
    }
    w.beam_weapon.firing = true;
    const scene& frame = draw->describe(w);
    ASSERT_EQ(frame.items.size(), 13u);
    const auto& items = frame.items;
    // sky, base, body, arm, player light, beam, ground, bodies 3 2 1, lights 3 2 1
    const bool casts[] = {false, true, true, true, true, false, false, true, true, true, true, true, true};
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i].cast_shadow, casts[i]) << "item " << i;
    }
    EXPECT_EQ(items[7].geometry, items[9].geometry);
    EXPECT_EQ(items[10].geometry, items[12].geometry);
    EXPECT_NE(items[4].geometry, items[10].geometry); // the player's light is a box of its own
    // Enemy 3 (x = 30) comes first; each enemy's body stands 0.8 above its position.
    EXPECT_FLOAT_EQ(items[7].world_matrix[3].x, 30.0f);
    EXPECT_FLOAT_EQ(items[9].world_matrix[3].x, 10.0f);
    EXPECT_FLOAT_EQ(items[9].world_matrix[3].z, 0.8f);
    EXPECT_FLOAT_EQ(items[12].world_matrix[3].z, 3.8f);
}

TEST_F(renderer_test, sky_follows_the_eye_and_the_water_breathes_a_tenth_around_its_level)
{
    const struct { float elapsed, level; } rows[] = {{2.5f, -3.3f}, {7.5f, -3.5f}, {0.0f, -3.4f}};
    for (const auto& row : rows) {
        w.game_state.elapsed = row.elapsed;
        const scene& frame = draw->describe(w);
        EXPECT_NEAR(frame.water_level, row.level, 1e-5f) << row.elapsed;
        const float drift = row.elapsed * 0.1f / std::sqrt(2.0f);
        EXPECT_NEAR(glm::length(frame.ripple_offset - vec2(drift)), 0.0f, 1e-6f);
    }
    const mat4 sky = draw->describe(w).items.front().world_matrix;
    EXPECT_FLOAT_EQ(sky[0][0], 1.3125f);
    EXPECT_FLOAT_EQ(sky[1][1], 1.3125f);
    EXPECT_NEAR(sky[2][2], 0.4166667f, 1e-6f);
    EXPECT_EQ(vec3(sky[3]), draw->camera().eye_position() - vec3(0.0f, 0.0f, 7.0f));
}

TEST_F(renderer_test, health_lights_blink_while_hit_but_not_once_the_game_is_over)
{
    add_enemy(0.0f, 20.0f);
    w.enemies[0].hit = true;
    w.enemies[0].health = 50.0f;
    w.game_state.elapsed = 0.1f; // in the red half of a flash
    const auto light_color = [this] { return draw->describe(w).items.back().material->emissive_color; };
    EXPECT_EQ(light_color(), vec3(1.0f, 0.2f, 0.2f));
    w.game_state.phase = 2;
    EXPECT_NEAR(glm::length(light_color() - vec3(0.6f, 0.6f, 0.2f)), 0.0f, 1e-6f);
}

TEST_F(renderer_test, counts_every_item_without_culling_and_only_the_visible_with_it)
{
    add_enemy(20.0f, 15.0f);  // just ahead of the player
    add_enemy(20.0f, -60.0f); // far behind the camera
    settings().culling = false;
    frame();
    const draw_counters all = draw->debug_status().draw_counters;
    EXPECT_EQ(all.meshes_total, 10);
    EXPECT_EQ(all.meshes_drawn, all.meshes_total);
    EXPECT_EQ(all.triangles_drawn, all.triangles_total);

    settings().culling = true;
    frame();
    const draw_counters culled = draw->debug_status().draw_counters;
    EXPECT_EQ(culled.meshes_total, 10);
    EXPECT_EQ(culled.triangles_total, all.triangles_total);
    EXPECT_EQ(culled.meshes_drawn, 8); // the enemy behind and its light
    EXPECT_LT(culled.triangles_drawn, culled.triangles_total);
}

TEST_F(renderer_test, a_frame_ends_on_the_screen_in_the_state_the_next_one_expects)
{
    add_enemy(0.0f, 20.0f);
    for (const bool wireframe : {true, false}) {
        settings().wireframe = wireframe;
        const std::vector<unsigned char> pixels = frame();
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
        GLint value[4] = {-1, -1, -1, -1};
        glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, value);
        EXPECT_EQ(value[0], 0);
        glGetIntegerv(GL_VIEWPORT, value);
        EXPECT_EQ(value[2], size);
        EXPECT_EQ(value[3], size);
        glGetIntegerv(GL_FRONT_FACE, value);
        EXPECT_EQ(value[0], GL_CCW);
        glGetIntegerv(GL_POLYGON_MODE, value);
        EXPECT_EQ(value[0], GL_FILL) << "wireframe " << wireframe;
        EXPECT_FALSE(glIsEnabled(GL_BLEND));
        GLboolean depth_writes = GL_FALSE;
        glGetBooleanv(GL_DEPTH_WRITEMASK, &depth_writes);
        EXPECT_TRUE(depth_writes);
        // Something other than the clear colour reached the screen.
        const std::size_t centre = (static_cast<std::size_t>(size) * size / 2 + size / 2) * 4;
        EXPECT_GT(std::abs(pixels[centre] - 204) + std::abs(pixels[centre + 1] - 230), 20);
    }
}

TEST_F(renderer_test, a_hot_beam_aimed_sideways_is_drawn_whether_culling_is_on_or_off)
{
    w.beam_weapon.firing = true;
    w.beam_weapon.heat = 95.0f;
    w.player.aim = 1.5707964f; // to the left of the heading
    settings().culling = false;
    const std::vector<unsigned char> unculled = frame();
    settings().culling = true;
    const std::vector<unsigned char> culled = frame();
    w.beam_weapon.firing = false;
    const std::vector<unsigned char> without_beam = frame();
    EXPECT_TRUE(unculled == culled);
    EXPECT_FALSE(culled == without_beam);
}

} // namespace
