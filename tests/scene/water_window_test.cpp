#include <gtest/gtest.h>

#include "model/heightmap.hpp"
#include "scene/water_window.hpp"

namespace {

// Ground 1 unit up over 40 x 40 units, with one vertex dipping to -1 at (2, 2); a camera
// 10 units up looking straight down at the origin.
class water_window_test : public testing::Test {
protected:
    water_window_test() : map(20, 20)
    {
        for (int i = 0; i <= 20; ++i) {
            for (int j = 0; j <= 20; ++j) {
                map.set_height(i, j, i == 11 && j == 11 ? -1.0f : 1.0f);
            }
        }
    }

    vec4 window(float level, const vec3& eye = vec3(0.0f, 0.0f, 10.0f), float far = 12.0f) const
    {
        const mat4 view = draw::look_at(eye, vec3(eye.x, eye.y, 0.0f), vec3(0.0f, 1.0f, 0.0f));
        return water_window(map).find(draw::perspective_fov(60.0f, 1.0f, 1.0f, 1.0f, far) * view, eye, level);
    }

    model::heightmap map;
};

TEST_F(water_window_test, holds_the_water_over_the_dips_and_nothing_where_the_ground_stands_above_it)
{
    // The four cells around the dip, x and y 0..4, can hold water.
    const vec4 lake = window(0.0f);
    const float scale = 1.7320508f / 10.0f; // cot(30 degrees) over the distance down to the water
    EXPECT_NEAR(glm::length(lake - vec4(0.0f, 0.0f, 4.0f * scale, 4.0f * scale)), 0.0f, 1e-4f);
    const vec4 none = window(-1.5f);
    EXPECT_GT(none.x, none.z) << "water below every cell shows nowhere";
    // A dip at (8, 0): its cells, x 6..10, lie beyond the 5.77 units the view shows either side
    // at the water, though within the view volume's box on the ground.
    map.set_height(14, 10, -1.0f);
    EXPECT_NEAR(glm::length(window(0.0f) - lake), 0.0f, 1e-4f) << "water off the screen needs no reflection";
}

TEST_F(water_window_test, gives_the_whole_screen_where_it_cannot_tell)
{
    const vec4 whole = water_window::whole_screen;
    EXPECT_EQ(window(10.0f), whole) << "the eye at the surface";
    EXPECT_EQ(window(0.0f, vec3(17.0f, 0.0f, 10.0f)), whole) << "the map's edge in view";
}

} // namespace
