#include <gtest/gtest.h>

#include <glm/geometric.hpp>

#include "view/box_mesh.hpp"

namespace {

TEST(box_mesh, twelve_triangles_wind_counter_clockwise_seen_from_outside)
{
    const view::box_mesh box({-1, 2, -3, 4, 5, -6});
    EXPECT_FALSE(box.is_strip());
    const auto& v = box.vertices();
    const auto& k = box.indices();
    ASSERT_EQ(v.size(), 24u);
    ASSERT_EQ(k.size(), 36u);
    for (std::size_t t = 0; t < 12; ++t) {
        // The winding's normal is parallel to the stored face normal and on its side.
        const vec3 normal = v[k[3 * t]].normal;
        const vec3 a = v[k[3 * t]].position;
        const vec3 wound = glm::cross(v[k[3 * t + 1]].position - a, v[k[3 * t + 2]].position - a);
        EXPECT_NEAR(glm::length(glm::cross(wound, normal)), 0.0f, 1e-4f) << "triangle " << t;
        EXPECT_GT(glm::dot(wound, normal), 0.0f) << "triangle " << t;
    }
    // Every vertex lies on the face its normal points out of, with the top at zt.
    const vec3 centre(0.5f, 0.5f, -0.5f);
    const vec3 half(1.5f, 3.5f, 5.5f);
    for (const kalvanor::mesh_vertex& vertex : v) {
        EXPECT_FLOAT_EQ(glm::dot(vertex.position - centre, vertex.normal), glm::dot(half, glm::abs(vertex.normal)));
    }
}

} // namespace
