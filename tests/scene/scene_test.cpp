#include <gtest/gtest.h>

#include <cmath>

#include "draw/culling.hpp"
#include "scene/health_light.hpp"
#include "scene/player_model.hpp"
#include "scene/scene.hpp"
#include "scene/tilt.hpp"

namespace {

// add_item compares geometries by identity only, so these stand-ins (never drawn, never
// dereferenced) need no GL context.
std::shared_ptr<draw::geometry> stand_in(int& storage)
{
    return std::shared_ptr<draw::geometry>(std::shared_ptr<int>(), reinterpret_cast<draw::geometry*>(&storage));
}

TEST(scene, add_item_keeps_items_of_one_geometry_together_newest_first)
{
    int a_storage = 0;
    int b_storage = 0;
    const auto a = stand_in(a_storage);
    const auto b = stand_in(b_storage);
    scene frame;
    for (const auto& [geometry, x] : {std::pair{a, 1.0f}, {b, 2.0f}, {a, 3.0f}, {b, 4.0f}, {a, 5.0f}}) {
        frame.add_item(scene_item(geometry, nullptr, draw::translate(mat4(1.0f), vec3(x, 0.0f, 0.0f))));
    }
    const float expected[] = {5.0f, 3.0f, 1.0f, 4.0f, 2.0f};
    ASSERT_EQ(frame.items().size(), 5u);
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(frame.items()[i].world_matrix[3].x, expected[i]) << "item " << i;
    }
}

TEST(outside_frustum, culls_only_spheres_wholly_beyond_a_plane_and_sizes_them_by_the_longest_axis)
{
    // One plane x = 10 facing +x; the other five far away.
    draw::frustum planes;
    planes.fill(vec4(0.0f, 0.0f, 1.0f, -1000.0f));
    planes[1] = vec4(1.0f, 0.0f, 0.0f, -10.0f);
    const draw::sphere unit{vec3(0.0f), 1.0f};
    const auto at = [](float x) { return draw::translate(mat4(1.0f), vec3(x, 0.0f, 0.0f)); };
    EXPECT_FALSE(draw::outside_frustum(unit, at(11.0f), planes)); // touching: distance - radius = 0
    EXPECT_TRUE(draw::outside_frustum(unit, at(11.01f), planes));
    EXPECT_FALSE(draw::outside_frustum(unit, draw::scale(at(12.0f), vec3(2.5f)), planes));
    // A thin, long item: its first axis is short, the sphere must still reach along the long one.
    EXPECT_FALSE(draw::outside_frustum(unit, draw::scale(at(14.0f), vec3(0.5f, 5.0f, 0.5f)), planes));
    EXPECT_TRUE(draw::outside_frustum(unit, draw::scale(at(16.0f), vec3(0.5f, 5.0f, 0.5f)), planes));
}

TEST(tilt, leans_the_robot_with_the_slope_and_turns_it_to_its_heading)
{
    const vec3 position(3.0f, -2.0f, 1.5f);
    const mat4 flat = tilt(position, vec3(0.0f, 0.0f, 1.0f), 1.5707964f);
    // Flat ground: only the heading; its forward +y turns to -x.
    EXPECT_NEAR(glm::length(vec3(flat * vec4(0, 1, 0, 0)) - vec3(-1, 0, 0)), 0.0f, 1e-6f);
    EXPECT_NEAR(glm::length(vec3(flat * vec4(0, 0, 1, 0)) - vec3(0, 0, 1)), 0.0f, 1e-6f);
    EXPECT_EQ(vec3(flat[3]), position);

    // On slopes the robot's up axis stands on the ground normal, whichever way the slope falls.
    for (const vec3 normal : {vec3(0.0f, 0.3f, 1.0f), vec3(-0.4f, 0.0f, 1.0f), vec3(0.0f, -0.2f, 1.0f)}) {
        const vec3 up = vec3(tilt(position, normal, 0.7f) * vec4(0, 0, 1, 0));
        EXPECT_NEAR(glm::length(up - glm::normalize(normal)), 0.0f, 1e-5f) << normal.x << " " << normal.y;
    }
}

TEST(player_model, beam_is_four_times_its_box_when_cool_and_half_from_seven_eighths_heat)
{
    const struct { float heat_fraction, thickness; } rows[] = {
        {0.0f, 4.0f}, {0.5f, 2.0f}, {0.875f, 0.5f}, {0.95f, 0.5f}, {1.2f, 0.5f}, {-0.1f, 4.0f}};
    for (const auto& row : rows) {
        EXPECT_FLOAT_EQ(player_model::beam_thickness(row.heat_fraction), row.thickness) << row.heat_fraction;
    }
}

TEST(health_color, shows_health_blinks_red_while_hit_and_goes_dark_at_no_health)
{
    const double flash_on = 0.1;  // sin(0.1 * 12.566) > 0
    const double flash_off = 0.3; // sin(0.3 * 12.566) < 0
    const struct { float level; bool blinking; double time; vec3 color; } rows[] = {
        {1.0f, false, flash_on, {0.2f, 1.0f, 0.2f}},
        {0.5f, false, flash_on, {0.6f, 0.6f, 0.2f}},
        {0.5f, true, flash_on, {1.0f, 0.2f, 0.2f}},
        {0.5f, true, flash_off, {0.6f, 0.6f, 0.2f}},
        {0.0f, true, flash_on, {0.0f, 0.0f, 0.0f}},
    };
    for (const auto& row : rows) {
        const vec3 c = health_color(row.level, row.blinking, row.time);
        EXPECT_NEAR(glm::length(c - row.color), 0.0f, 1e-6f) << row.level << " " << row.blinking << " " << row.time;
    }
}

} // namespace
