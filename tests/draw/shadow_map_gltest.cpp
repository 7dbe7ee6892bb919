#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>

#include <algorithm>
#include <utility>
#include <vector>

#include "draw/material.hpp"
#include "draw/shadow_map.hpp"
#include "effect_fixture.hpp"
#include "scene/scene.hpp"
#include "support/temp_dir.hpp"

namespace {

using shadow_map = test::effect_test;

TEST_F(shadow_map, casters_leave_their_depth_under_them_within_40_behind_and_60_ahead_of_the_light)
{
    const test::in_source_dir here; // the shadow map reads its shaders from assets/
    draw::shadow_map map;
    constexpr int size = draw::shadow_map::size;
    // Looking along +x from 10 units up, as in the game's follow camera distances: the light's
    // box is centred on (25, 0, 10).
    const test::fixed_camera camera(vec3(0.0f, 0.0f, 10.0f), vec3(1.0f, 0.0f, 10.0f), 50.0f);
    std::vector<float> depths(static_cast<std::size_t>(size) * size);
    const auto render = [&](const scene& frame) {
        glClearDepth(1.0);
        map.render_depth(frame, camera);
        glBindTexture(GL_TEXTURE_2D, map.depth_texture());
        glGetTexImage(GL_TEXTURE_2D, 0, GL_DEPTH_COMPONENT, GL_FLOAT, depths.data());
    };
    const auto add = [](scene& frame, const std::shared_ptr<draw::geometry>& geometry, const vec3& at,
                        bool casts = true) {
        scene_item item(geometry, std::make_shared<draw::material>(), draw::translate(mat4(1.0f), at));
        item.cast_shadow = casts;
        frame.add_item(item);
    };
    // The map's depth where a world point lands, and the point's own depth as the light sees it.
    const auto depths_at = [&](const vec3& world) {
        const vec4 p = map.bias_matrix() * map.depth_view_projection() * vec4(world, 1.0f);
        const auto texel = static_cast<std::size_t>(p.y * size) * size + static_cast<std::size_t>(p.x * size);
        return std::pair{depths[texel], p.z};
    };

    // The game's light; the second box casts no shadow.
    scene frame;
    const auto cube = test::make_box(vec3(-1.0f), vec3(1.0f));
    add(frame, cube, {25.0f, 0.0f, 2.0f});
    add(frame, cube, {15.0f, -8.0f, 2.0f}, false);
    render(frame);
    const auto [top, top_depth] = depths_at(vec3(25.0f, 0.0f, 3.0f));
    EXPECT_NEAR(top, top_depth, 0.001f) << "the box's lit face is what the light sees first";
    EXPECT_EQ(depths_at(vec3(15.0f, -8.0f, 3.0f)).first, 1.0f) << "the box that casts no shadow";
    // A 2-unit cube seen at 45 degrees across a 50-unit map covers about 82 x 116 texels, and the
    // rest is cleared (the lit scene test sees the shadow where it belongs).
    const auto covered = std::count_if(depths.begin(), depths.end(), [](float d) { return d < 1.0f; });
    EXPECT_GT(covered, 82 * 100);
    EXPECT_LT(covered, 82 * 130);

    // Straight down, the light's eye is 1 above the centre, at z = 11: slabs 0.2 thick just within
    // 40 above and 60 below it are drawn, those just beyond are not.
    const auto slab = test::make_box(vec3(-1.0f, -1.0f, -0.1f), vec3(1.0f, 1.0f, 0.1f));
    scene down;
    down.light_direction = vec3(0.0f, 0.0f, -1.0f);
    for (const vec3& at : {vec3(15, 10, 50.85f), vec3(15, -10, 51.15f), vec3(35, 10, -48.85f), vec3(35, -10, -49.15f)}) {
        add(down, slab, at);
    }
    render(down);
    for (const auto& [at, drawn] : {std::pair{vec3(15, 10, 0), true}, {vec3(15, -10, 0), false},
                                    {vec3(35, 10, 0), true}, {vec3(35, -10, 0), false}}) {
        EXPECT_EQ(depths_at(at).first < 1.0f, drawn) << at.x << "," << at.y;
    }
    // Only the two slabs (82 x 82 texels each) hold depths now: the cube of the frame before is
    // gone, although only the parts of the map that casters covered are cleared.
    const auto slabs = std::count_if(depths.begin(), depths.end(), [](float d) { return d < 1.0f; });
    EXPECT_GT(slabs, 2 * 80 * 80);
    EXPECT_LT(slabs, 2 * 84 * 84);
}

// Set-up failures print, do not wait for a key without a terminal, and end the process with 255.
TEST_F(shadow_map, a_missing_shader_file_is_named_and_fatal)
{
    // The driver runs threads of its own; a child started afresh is safer than a fork.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    test::temp_dir empty;
    const auto construct_in = [](const std::string& directory) {
        std::fflush(stdout);
        // No terminal on stdin, and stdout where the death test can match it.
        if (std::freopen("/dev/null", "r", stdin) == nullptr || dup2(STDERR_FILENO, STDOUT_FILENO) < 0 ||
            chdir(directory.c_str()) != 0) {
            std::_Exit(3);
        }
        draw::shadow_map map;
        std::_Exit(0);
    };
    EXPECT_EXIT(construct_in(empty.path()), ::testing::ExitedWithCode(255),
                "^Failed to open shader file: assets/shaders/shadow_mapping_vs.glsl\n$");
}

} // namespace
