#include <gtest/gtest.h>

#include <memory>

#include "content/manager.hpp"
#include "draw/geometry.hpp"
#include "draw/gl.hpp"
#include "draw/material.hpp"
#include "model/world.hpp"
#include "scene/debug_status.hpp"
#include "scene/frame_pipeline.hpp"
#include "scene/renderer.hpp"
#include "scene/shadow_areas.hpp"
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
        if (!IsSkipped() && !HasFatalFailure()) {
            w.player.position.z = 0.0f;
            build();
        }
    }

    // Builds the renderer anew, with the ground as the world's height map stands now.
    void build()
    {
        const test::in_source_dir here;
        content::manager content("assets/");
        draw = std::make_unique<renderer>(content, w, size, size);
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
    for (const float x : {10.0f, 20.0f, 30.0f}) {
        w.enemies.emplace_back(x, 30.0f, 5.0f, 15.0f);
    }
    w.beam_weapon.firing = true;
    const std::vector<scene_item>& items = draw->describe(w).items();
    ASSERT_EQ(items.size(), 13u);
    // sky, base, body, arm, player light, beam, ground, bodies 3 2 1, lights 3 2 1
    const bool casts[] = {false, true, true, true, true, false, false, true, true, true, true, true, true};
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i].cast_shadow, casts[i]) << "item " << i;
    }
    EXPECT_EQ(items[7].geometry, items[9].geometry);
    EXPECT_EQ(items[10].geometry, items[12].geometry);
    EXPECT_NE(items[4].geometry, items[10].geometry); // the player's light is a box of its own
    // Enemy 3 (x = 30) comes first; a body stands 0.8 above its enemy, the light 3 above that.
    EXPECT_EQ(vec3(items[7].world_matrix[3]), vec3(30.0f, 30.0f, 0.8f));
    EXPECT_EQ(vec3(items[12].world_matrix[3]), vec3(10.0f, 30.0f, 3.8f));
}

TEST_F(renderer_test, sky_follows_the_eye_and_the_water_breathes_a_tenth_around_its_level)
{
    for (const auto& [elapsed, level] : {std::pair{2.5f, -3.3f}, {7.5f, -3.5f}, {0.0f, -3.4f}}) {
        w.game_state.elapsed = elapsed;
        const scene& frame = draw->describe(w);
        EXPECT_NEAR(frame.water_level, level, 1e-5f) << elapsed;
        EXPECT_NEAR(glm::length(frame.ripple_offset - vec2(elapsed * 0.1f / std::sqrt(2.0f))), 0.0f, 1e-6f);
    }
    const mat4 sky = draw->describe(w).items().front().world_matrix;
    EXPECT_NEAR(glm::length(vec3(sky[0][0], sky[1][1], sky[2][2]) - vec3(1.3125f, 1.3125f, 0.4166667f)), 0.0f, 1e-6f);
    EXPECT_EQ(vec3(sky[3]), draw->camera().eye_position() - vec3(0.0f, 0.0f, 7.0f));
}

TEST_F(renderer_test, health_lights_blink_while_hit_but_not_once_the_game_is_over)
{
    w.enemies.emplace_back(0.0f, 20.0f, 5.0f, 15.0f);
    w.enemies[0].hit = true;
    w.enemies[0].health = 50.0f;
    w.game_state.elapsed = 0.1f; // in the red half of a flash
    const auto light_color = [this] { return draw->describe(w).items().back().material->emissive_color; };
    EXPECT_EQ(light_color(), vec3(1.0f, 0.2f, 0.2f));
    w.game_state.phase = 2;
    EXPECT_NEAR(glm::length(light_color() - vec3(0.6f, 0.6f, 0.2f)), 0.0f, 1e-6f);
}

TEST_F(renderer_test, counts_every_item_without_culling_and_only_the_visible_with_it)
{
    w.enemies.emplace_back(20.0f, 15.0f, 5.0f, 15.0f);  // just ahead of the player
    w.enemies.emplace_back(20.0f, -60.0f, 5.0f, 15.0f); // far behind the camera
    const draw_counters& counts = draw->debug_status().draw_counters;
    settings().culling = false;
    frame();
    EXPECT_EQ(counts.meshes_total, 10);
    EXPECT_EQ(counts.meshes_drawn, 10);
    EXPECT_EQ(counts.triangles_drawn, counts.triangles_total);
    const std::int32_t triangles = counts.triangles_total;

    settings().culling = true;
    frame();
    EXPECT_EQ(counts.meshes_total, 10);
    EXPECT_EQ(counts.triangles_total, triangles);
    EXPECT_EQ(counts.meshes_drawn, 8); // not the enemy behind or its light
    EXPECT_LT(counts.triangles_drawn, triangles);
}

TEST_F(renderer_test, a_frame_ends_on_the_screen_in_the_state_the_next_one_expects)
{
    w.enemies.emplace_back(0.0f, 20.0f, 5.0f, 15.0f);
    const auto integer = [](GLenum name) {
        GLint value[4] = {-1, -1, -1, -1};
        glGetIntegerv(name, value);
        return value[name == GL_VIEWPORT ? 2 : 0] * (name == GL_VIEWPORT ? value[3] : 1);
    };
    for (const bool wireframe : {true, false}) {
        SCOPED_TRACE(wireframe ? "wireframe" : "solid");
        settings().wireframe = wireframe;
        const std::vector<unsigned char> pixels = frame();
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
        EXPECT_EQ(integer(GL_DRAW_FRAMEBUFFER_BINDING), 0);
        EXPECT_EQ(integer(GL_VIEWPORT), size * size);
        EXPECT_EQ(integer(GL_FRONT_FACE), GL_CCW);
        EXPECT_EQ(integer(GL_POLYGON_MODE), GL_FILL);
        EXPECT_EQ(integer(GL_DEPTH_WRITEMASK), GL_TRUE);
        EXPECT_FALSE(glIsEnabled(GL_BLEND));
        // Something other than the clear colour (204, 230, 242) reached the middle of the screen.
        const unsigned char* centre = &pixels[(static_cast<std::size_t>(size) * size / 2 + size / 2) * 4];
        EXPECT_GT(std::abs(centre[0] - 204) + std::abs(centre[1] - 230), 20);
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
    EXPECT_TRUE(frame() == unculled);
    w.beam_weapon.firing = false;
    EXPECT_FALSE(frame() == unculled) << "the beam shows";
}

TEST_F(renderer_test, shadow_areas_hold_where_each_caster_s_shadow_reaches_the_lowest_ground)
{
    w.enemies.emplace_back(10.0f, 30.0f, 5.0f, 15.0f);
    scene frame = draw->describe(w);
    std::vector<vec4> areas;
    draw::strip_grid ground; // heights unknown below its lowest
    ground.lowest = -5.0f;
    for (const vec3 light : {vec3(0.0f, 1.0f, -1.0f), vec3(-0.5f, -1.0f, -0.3f)}) {
        frame.light_direction = light;
        find_shadow_areas(frame, ground, vec3(0.0f), areas);
        std::size_t casters = 0;
        for (const scene_item& item : frame.items()) {
            if (item.cast_shadow) {
                // Each corner of the caster's box, and where its shadow meets the lowest ground.
                ASSERT_LT(casters, areas.size());
                const vec4 a = areas[casters++];
                const draw::box& b = item.geometry->bounds();
                const vec3 along = glm::normalize(light);
                for (int c = 0; c < 8; ++c) {
                    const vec3 corner(item.world_matrix * vec4(c & 1 ? b.high.x : b.low.x, c & 2 ? b.high.y : b.low.y,
                                                               c & 4 ? b.high.z : b.low.z, 1.0f));
                    for (const vec2 end : {vec2(corner), vec2(corner + along * ((corner.z + 5.0f) / -along.z))}) {
                        EXPECT_TRUE(end.x >= a.x && end.x <= a.z && end.y >= a.y && end.y <= a.w) << light.x;
                    }
                }
            }
        }
        EXPECT_EQ(areas.size(), casters) << "one area for each caster";
    }
    frame.light_direction = vec3(0.0f, 1.0f, 0.5f);
    find_shadow_areas(frame, ground, vec3(0.0f), areas);
    ASSERT_EQ(areas.size(), 1u) << "a light from below: everything";
    EXPECT_TRUE(areas[0].x < -1e30f && areas[0].w > 1e30f);
}

// Digs a pond 2 deep ahead of the player, x 14..26, y 8..20, with the water 1 unit below the ground.
void dig_pond(world& w)
{
    for (int i = 57; i <= 63; ++i) {
        for (int j = 54; j <= 60; ++j) {
            w.heightmap->set_height(i, j, -2.0f);
        }
    }
    w.game_state.water_level = -1.0f;
}

TEST_F(renderer_test, drawing_the_reflection_only_where_water_shows_leaves_the_picture_unchanged)
{
    const auto expect_unchanged = [this](const char* where, bool wireframe = false) {
        build();
        settings().wireframe = wireframe;
        scene frame = draw->describe(w);
        draw->pipeline().render(frame, draw->camera());
        const std::vector<unsigned char> windowed = test::read_pixels(0, 0, size, size);
        frame.water_window = vec4(-1.0f, -1.0f, 1.0f, 1.0f);
        draw->pipeline().render(frame, draw->camera());
        EXPECT_TRUE(test::read_pixels(0, 0, size, size) == windowed) << where;
    };
    dig_pond(w);
    build();
    const vec4 window = draw->describe(w).water_window;
    EXPECT_LT(window.x, window.z);
    EXPECT_LT((window.z - window.x) * (window.w - window.y), 2.0f) << "well inside the screen";
    expect_unchanged("the pond");
    // Drawn as outlines, the ground hides none of the water around the pond.
    expect_unchanged("the pond in wireframe", true);

    // A steep mound around the eye, its top half a unit above it: looking down from inside, past
    // the mound's culled faces, the water under it shows.
    const vec3 eye = draw->camera().eye_position();
    for (int i = 0; i <= w.heightmap->width_segments(); ++i) {
        for (int j = 0; j <= w.heightmap->length_segments(); ++j) {
            if (glm::distance(vec2(w.heightmap->vertex_position(i, j)), vec2(eye)) < 6.0f) {
                w.heightmap->set_height(i, j, eye.z + 0.5f);
            }
        }
    }
    expect_unchanged("the eye inside a hill");
}

} // namespace
