#include <gtest/gtest.h>

#include <glm/geometric.hpp>

#include "view/box_mesh.hpp"

namespace {

// The unnormalised normal of triangle t as wound: counter-clockwise seen from where it points.
vec3 winding_normal(const kalvanor::mesh& m, std::size_t t)
{
    const auto& v = m.vertices();
    const auto& i = m.indices();
    const vec3 a = v.at(i.at(3 * t)).position;
    const vec3 b = v.at(i.at(3 * t + 1)).position;
    const vec3 c = v.at(i.at(3 * t + 2)).position;
    return glm::cross(b - a, c - a);
}

vec3 centroid(const kalvanor::mesh& m, std::size_t t)
{
    const auto& v = m.vertices();
    const auto& i = m.indices();
    return (v.at(i.at(3 * t)).position + v.at(i.at(3 * t + 1)).position + v.at(i.at(3 * t + 2)).position) / 3.0f;
}

// +1 when every triangle winds counter-clockwise seen from outside a box around `centre`,
// -1 when every one winds clockwise, 0 for a mixture.
int winding_seen_from_outside(const kalvanor::mesh& m, const vec3& centre)
{
    const int triangles = static_cast<int>(m.indices().size() / 3);
    int counter_clockwise = 0;
    int clockwise = 0;
    for (int t = 0; t < triangles; ++t) {
        const float d = glm::dot(winding_normal(m, t), centroid(m, t) - centre);
        counter_clockwise += d > 0;
        clockwise += d < 0;
    }
    return counter_clockwise == triangles ? 1 : clockwise == triangles ? -1 : 0;
}

TEST(box_mesh, is_a_list_of_twelve_triangles_on_24_vertices)
{
    const view::box_mesh box({-1, 1, -1, 1, 0.45f, 0.05f});
    EXPECT_FALSE(box.is_strip());
    ASSERT_EQ(box.vertices().size(), 24u);
    ASSERT_EQ(box.indices().size(), 36u);
    // Each triangle stays within its own face's four vertices, and all four share one normal.
    for (std::size_t i = 0; i < 36; ++i) {
        const std::uint32_t index = box.indices()[i];
        EXPECT_EQ(index / 4, i / 6) << "index " << i;
        EXPECT_EQ(box.vertices()[index].normal, box.vertices()[index / 4 * 4].normal);
    }
}

TEST(box_mesh, triangles_wind_counter_clockwise_seen_from_outside)
{
    const view::box_mesh box({-1, 2, -3, 4, 5, -6});
    const vec3 centre(0.5f, 0.5f, -0.5f);
    EXPECT_EQ(winding_seen_from_outside(box, centre), 1);
    for (std::size_t t = 0; t < 12; ++t) {
        // The winding agrees with the stored face normal: parallel and on the same side.
        const vec3 normal = box.vertices()[box.indices()[3 * t]].normal;
        const vec3 wound = winding_normal(box, t);
        EXPECT_NEAR(glm::length(glm::cross(wound, normal)), 0.0f, 1e-4f) << "triangle " << t;
        EXPECT_GT(glm::dot(wound, normal), 0.0f) << "triangle " << t;
    }
    // Each face lies on the box surface on the side its normal names.
    const vec3 half(1.5f, 3.5f, 5.5f);
    for (const kalvanor::mesh_vertex& v : box.vertices()) {
        EXPECT_FLOAT_EQ(glm::dot(v.position - centre, v.normal), glm::dot(half, glm::abs(v.normal)));
    }
}

TEST(box_mesh, slab_has_its_top_at_zt)
{
    const view::box_mesh slab({-1, 1, -1, 1, 0.45f, 0.05f});
    vec3 low(1e9f);
    vec3 high(-1e9f);
    for (const kalvanor::mesh_vertex& v : slab.vertices()) {
        low = glm::min(low, v.position);
        high = glm::max(high, v.position);
        if (v.normal.z > 0) {
            EXPECT_FLOAT_EQ(v.position.z, 0.45f);
        }
        if (v.normal.z < 0) {
            EXPECT_FLOAT_EQ(v.position.z, 0.05f);
        }
    }
    EXPECT_EQ(low, vec3(-1, -1, 0.05f));
    EXPECT_EQ(high, vec3(1, 1, 0.45f));
}

TEST(box_mesh, each_face_has_a_whole_texture_square_upright_on_the_sides)
{
    const view::box_mesh box({0, 1, 0, 1, 3, 2});
    const vec2 square[] = {{0, 0}, {1, 0}, {0, 1}, {1, 1}};
    for (std::size_t i = 0; i < 24; ++i) {
        const kalvanor::mesh_vertex& v = box.vertices()[i];
        EXPECT_EQ(v.texcoord, square[i % 4]) << "vertex " << i;
        if (v.normal.z == 0) {
            EXPECT_EQ(v.texcoord.y, v.position.z == 3.0f ? 1.0f : 0.0f) << "vertex " << i;
        }
    }
}

TEST(box_mesh, bottom_above_top_turns_it_inside_out)
{
    const view::box_mesh inverted({-1, 1, -1, 1, 0.05f, 0.45f});
    EXPECT_EQ(winding_seen_from_outside(inverted, vec3(0, 0, 0.25f)), -1);
    // The normals keep their directions: the "top" face now lies at the lower z.
    EXPECT_EQ(inverted.vertices()[20].normal, vec3(0, 0, 1));
    EXPECT_EQ(inverted.vertices()[20].position.z, 0.05f);
}

TEST(box_mesh, zero_extent_gives_coincident_opposite_faces)
{
    const view::box_mesh flat({-1, 1, 0, 0, 1, 0});
    ASSERT_EQ(flat.vertices().size(), 24u);
    // The -y and +y faces occupy the same rectangle with opposite normals.
    for (std::size_t i = 8; i < 16; ++i) {
        EXPECT_EQ(flat.vertices()[i].position.y, 0.0f);
    }
    EXPECT_EQ(flat.vertices()[8].normal, -flat.vertices()[12].normal);
    // The other faces still wind outward; the flat ones are degenerate triangles.
    for (std::size_t t = 0; t < 12; ++t) {
        if (t / 2 == 2 || t / 2 == 3) {
            continue;
        }
        const vec3 normal = flat.vertices()[flat.indices()[3 * t]].normal;
        EXPECT_GE(glm::dot(winding_normal(flat, t), normal), 0.0f) << "triangle " << t;
    }
}

} // namespace
