#include <gtest/gtest.h>

#include "support/message_of.hpp"
#include "model/heightmap.hpp"

namespace {

TEST(heightmap, bad_sizes_and_offsets_name_the_first_bad_argument)
{
    EXPECT_EQ(test::message_of([] { model::heightmap(0, 0); }), "Width segment count must be at least 1.");
    EXPECT_EQ(test::message_of([] { model::heightmap(1, 0); }), "Length segment count must be at least 1.");
    EXPECT_EQ(test::message_of([] { model::heightmap(2, 3).height_at(3, 0); }), "Offset i out of bounds.");
    EXPECT_EQ(test::message_of([] { model::heightmap(2, 3).vertex_position(-1, -1); }), "Offset i out of bounds.");
    EXPECT_EQ(test::message_of([] { model::heightmap(2, 3).set_height(0, 4, 1.0f); }), "Offset j out of bounds.");
}

TEST(heightmap, sample_is_bilinear_and_takes_the_nearest_edge_off_the_map_and_normals_follow_it)
{
    // Heights i + 10 j + i j on 4 x 3 cells spanning x in [-4, 4], y in [-3, 3]; the i j term
    // tells bilinear interpolation from two triangles per cell.
    model::heightmap map(4, 3);
    for (int i = 0; i <= 4; ++i) {
        for (int j = 0; j <= 3; ++j) {
            map.set_height(i, j, static_cast<float>(i + 10 * j + i * j));
        }
    }
    EXPECT_EQ(map.vertex_position(1, 2), vec3(-2.0f, 1.0f, 23.0f));
    const struct { float x, y, height; } cases[] = {
        {-4, -3, 0}, {0, 1, 26}, {4, 3, 46},   // vertices
        {-2, 0, 17.5f}, {-1, -1, 13},          // on a vertex column or row
        {-1, 0, 18.75f}, {-3, -2, 5.75f},      // mid-cell
        {1000, 1000, 46}, {-1000, -1000, 0},   // off the map
        {-1000, 0, 15}, {-3, 50, 32},          // off one side: along the edge
    };
    for (const auto& c : cases) {
        EXPECT_FLOAT_EQ(map.sample(c.x, c.y), c.height) << "at " << c.x << ", " << c.y;
    }
    // Central differences one unit to each side: the normal leans away from the rise.
    const vec3 n = model::terrain_normal(map, -1.0f, 0.0f);
    EXPECT_NEAR(glm::distance(n, glm::normalize(vec3(-5.0f, -23.0f, 4.0f))), 0.0f, 1e-6f);
}

} // namespace
