#include <gtest/gtest.h>

#include "draw/geometry.hpp"

namespace {

TEST(bounding_sphere_of, encloses_the_box_grown_to_reach_the_origin)
{
    const struct {
        std::vector<vec3> positions;
        vec3 center;
        float radius;
    } cases[] = {
        // Vertices only in [2, 4]^3, yet the box reaches back to the origin.
        {{{2, 3, 4}, {4, 2, 2}, {3, 4, 3}}, {2, 2, 2}, 3.4641016f},
        {{{-4, -2, -3}, {-2, -4, -2}}, {-2, -2, -1.5f}, glm::length(vec3(2, 2, 1.5f))},
        {{{0, 0, 6}}, {0, 0, 3}, 3},
        {{}, {0, 0, 0}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.positions.size());
        const draw::sphere s = draw::bounding_sphere_of(c.positions);
        EXPECT_EQ(s.center, c.center);
        EXPECT_FLOAT_EQ(s.radius, c.radius);
    }
}

TEST(triangles_in, counts_lists_and_strips_without_wrapping)
{
    EXPECT_EQ(draw::triangles_in(7, false), 2u);
    EXPECT_EQ(draw::triangles_in(6, true), 4u);
    // Unsigned: a strip shorter than 2 must not wrap around.
    EXPECT_EQ(draw::triangles_in(1, true) + draw::triangles_in(0, true), 0u);
}

} // namespace
