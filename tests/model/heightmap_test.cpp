#include <gtest/gtest.h>

#include <exception>
#include <string>

#include "model/heightmap.hpp"
#include "world_fixtures.hpp"

namespace {

std::string message_of(void (*action)())
{
    try {
        action();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "no exception";
}

TEST(heightmap, grid_is_centred_with_two_unit_cells)
{
    const model::heightmap map(63, 10);
    EXPECT_EQ(map.bounds().min_x, -63.0f);
    EXPECT_EQ(map.bounds().max_x, 63.0f);
    EXPECT_EQ(map.bounds().min_y, -10.0f);
    EXPECT_EQ(map.bounds().max_y, 10.0f);
    EXPECT_EQ(map.vertex_position(0, 0), vec3(-63.0f, -10.0f, 0.0f));
    EXPECT_EQ(map.vertex_position(63, 10), vec3(63.0f, 10.0f, 0.0f));
    EXPECT_EQ(map.vertex_position(5, 2), vec3(-53.0f, -6.0f, 0.0f));
}

TEST(heightmap, vertices_are_stored_row_by_row_along_y)
{
    model::heightmap map(3, 2);
    map.set_height(1, 2, 7.0f);
    EXPECT_EQ(map.height_at(1, 2), 7.0f);
    EXPECT_EQ(map.vertex_position(1, 2), vec3(-1.0f, 2.0f, 7.0f));
    EXPECT_EQ(map.height_at(2, 1), 0.0f);
}

TEST(heightmap, bad_sizes_and_offsets_name_the_first_bad_argument)
{
    EXPECT_EQ(message_of([] { model::heightmap(0, 0); }), "Width segment count must be at least 1.");
    EXPECT_EQ(message_of([] { model::heightmap(1, 0); }), "Length segment count must be at least 1.");
    EXPECT_EQ(message_of([] { model::heightmap(2, 3).height_at(3, 0); }), "Offset i out of bounds.");
    EXPECT_EQ(message_of([] { model::heightmap(2, 3).height_at(0, -1); }), "Offset j out of bounds.");
    EXPECT_EQ(message_of([] { model::heightmap(2, 3).height_at(0, 4); }), "Offset j out of bounds.");
    EXPECT_EQ(message_of([] { model::heightmap(2, 3).vertex_position(-1, -1); }), "Offset i out of bounds.");
    EXPECT_EQ(message_of([] { model::heightmap(2, 3).set_height(0, 9, 1.0f); }), "Offset j out of bounds.");
}

// Heights: (i, j) -> i + 10 j, on a 4 x 3 map spanning x in [-4, 4], y in [-3, 3].
std::shared_ptr<model::heightmap> ramp()
{
    return test::make_map(4, 3, [](float x, float y) { return (x + 4.0f) / 2.0f + 10.0f * (y + 3.0f) / 2.0f; });
}

TEST(heightmap, sample_interpolates_bilinearly)
{
    const auto map = ramp();
    // Exactly at vertices.
    EXPECT_EQ(map->sample(-4.0f, -3.0f), 0.0f);
    EXPECT_EQ(map->sample(0.0f, 1.0f), 22.0f);
    EXPECT_EQ(map->sample(4.0f, 3.0f), 34.0f);
    // On a vertex column or row: linear along the other direction only.
    EXPECT_FLOAT_EQ(map->sample(-2.0f, 0.0f), 16.0f);
    EXPECT_FLOAT_EQ(map->sample(-1.0f, -1.0f), 11.5f);
    // Middle of cell (1, 1): the mean of its corners 11, 12, 21, 22.
    EXPECT_FLOAT_EQ(map->sample(-1.0f, 0.0f), 16.5f);

    model::heightmap bump(2, 2);
    bump.set_height(1, 1, 4.0f);
    EXPECT_FLOAT_EQ(bump.sample(-1.0f, -1.0f), 1.0f); // mean of 0, 0, 0, 4
    EXPECT_FLOAT_EQ(bump.sample(0.5f, 0.0f), 3.0f);
}

TEST(heightmap, sample_off_the_map_takes_the_nearest_edge)
{
    const auto map = ramp();
    EXPECT_EQ(map->sample(1000.0f, 1000.0f), map->height_at(4, 3));
    EXPECT_EQ(map->sample(-1000.0f, -1000.0f), map->height_at(0, 0));
    EXPECT_FLOAT_EQ(map->sample(-1000.0f, 0.0f), 15.0f); // column 0, halfway between rows 1 and 2
    EXPECT_FLOAT_EQ(map->sample(-3.0f, 50.0f), 30.5f);   // row 3, halfway between columns 0 and 1
}

TEST(heightmap, terrain_normal_uses_central_differences)
{
    const auto flat = test::flat_map();
    EXPECT_EQ(model::terrain_normal(*flat, 3.0f, -7.5f), vec3(0.0f, 0.0f, 1.0f));

    // z = 0.5 x rises along +x: the normal leans back toward -x.
    const auto slope = test::make_map(10, 10, [](float x, float) { return 0.5f * x; });
    const vec3 n = model::terrain_normal(*slope, 1.0f, 2.0f);
    EXPECT_NEAR(n.x, -2.0f / std::sqrt(20.0f), 1e-6f);
    EXPECT_NEAR(n.y, 0.0f, 1e-6f);
    EXPECT_NEAR(n.z, 4.0f / std::sqrt(20.0f), 1e-6f);

    // The map edge is clamped, so the difference there spans only one unit.
    const vec3 edge = model::terrain_normal(*slope, 10.0f, 0.0f);
    EXPECT_NEAR(edge.x, -1.0f / std::sqrt(17.0f), 1e-6f);
}

} // namespace
