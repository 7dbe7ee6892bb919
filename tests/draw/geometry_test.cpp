#include <gtest/gtest.h>

#include "draw/geometry.hpp"

namespace {

void expect_sphere(const draw::sphere& s, vec3 center, float radius)
{
    EXPECT_FLOAT_EQ(s.center.x, center.x);
    EXPECT_FLOAT_EQ(s.center.y, center.y);
    EXPECT_FLOAT_EQ(s.center.z, center.z);
    EXPECT_FLOAT_EQ(s.radius, radius);
}

TEST(bounding_sphere_of, box_is_grown_from_the_origin)
{
    // Vertices only in [2, 4]^3, yet the box reaches back to the origin.
    expect_sphere(draw::bounding_sphere_of({{2, 3, 4}, {4, 2, 2}, {3, 4, 3}}), {2, 2, 2}, 3.4641016f);
    expect_sphere(draw::bounding_sphere_of({{-4, -2, -3}, {-2, -4, -2}}), {-2, -2, -1.5f},
                  glm::length(vec3(2, 2, 1.5f)));
}

TEST(bounding_sphere_of, encloses_a_mesh_around_the_origin)
{
    expect_sphere(draw::bounding_sphere_of({{-1, -1, -1}, {1, 1, 1}, {0.5f, -0.5f, 0}}), {0, 0, 0}, 1.7320508f);
    // One axis only: the sphere is centred on that axis.
    expect_sphere(draw::bounding_sphere_of({{0, 0, 6}}), {0, 0, 3}, 3);
    expect_sphere(draw::bounding_sphere_of({}), {0, 0, 0}, 0);
}

TEST(triangles_in, counts_lists_and_strips)
{
    EXPECT_EQ(draw::triangles_in(7, false), 2u);
    EXPECT_EQ(draw::triangles_in(2, false), 0u);
    EXPECT_EQ(draw::triangles_in(6, true), 4u);
    EXPECT_EQ(draw::triangles_in(2, true), 0u);
    // Unsigned: a strip shorter than 2 must not wrap around.
    EXPECT_EQ(draw::triangles_in(1, true), 0u);
    EXPECT_EQ(draw::triangles_in(0, true), 0u);
}

} // namespace
