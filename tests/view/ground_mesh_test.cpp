#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "view/ground_mesh.hpp"

namespace {

using indices = std::vector<std::uint32_t>;

TEST(ground_mesh, one_row_is_a_plain_strip)
{
    const view::ground_mesh mesh(model::heightmap(2, 1));
    EXPECT_TRUE(mesh.is_strip());
    EXPECT_EQ(mesh.vertices().size(), 6u);
    EXPECT_EQ(mesh.indices(), (indices{3, 0, 4, 1, 5, 2}));
}

TEST(ground_mesh, rows_are_joined_by_repeated_indices)
{
    const view::ground_mesh mesh(model::heightmap(1, 3));
    EXPECT_EQ(mesh.indices(), (indices{2, 0, 3, 1, 1, /**/ 4, 4, 2, 5, 3, 3, /**/ 6, 6, 4, 7, 5}));
}

TEST(ground_mesh, sizes_for_a_64_pixel_map)
{
    const view::ground_mesh mesh(model::heightmap(63, 63));
    EXPECT_EQ(mesh.vertices().size(), 4096u);
    EXPECT_EQ(mesh.indices().size(), 8188u);
}

TEST(ground_mesh, every_triangle_faces_up)
{
    model::heightmap map(4, 3);
    map.set_height(2, 1, 1.5f);
    const view::ground_mesh mesh(map);
    const auto& v = mesh.vertices();
    const auto& k = mesh.indices();
    ASSERT_EQ(k.size(), 3u * (2u * 4u + 4u) - 2u);
    int real = 0;
    for (std::size_t p = 0; p + 2 < k.size(); ++p) {
        if (k[p] == k[p + 1] || k[p + 1] == k[p + 2] || k[p] == k[p + 2]) {
            continue; // degenerate joint
        }
        // A strip flips the order of every odd triangle.
        const std::uint32_t a = p % 2 == 0 ? k[p] : k[p + 1];
        const std::uint32_t b = p % 2 == 0 ? k[p + 1] : k[p];
        const vec3 n = glm::cross(v[b].position - v[a].position, v[k[p + 2]].position - v[a].position);
        EXPECT_GT(n.z, 0.0f) << "triangle at strip position " << p;
        ++real;
    }
    EXPECT_EQ(real, 2 * 4 * 3);
}

TEST(ground_mesh, vertices_carry_world_texture_coordinates_and_terrain_normals)
{
    model::heightmap map(3, 2);
    for (int i = 0; i <= 3; ++i) {
        for (int j = 0; j <= 2; ++j) {
            map.set_height(i, j, static_cast<float>(i)); // rises 0.5 per unit along x
        }
    }
    const view::ground_mesh mesh(map);
    const kalvanor::mesh_vertex& v = mesh.vertices()[4 * 2 + 1]; // vertex (1, 2)
    EXPECT_EQ(v.position, vec3(-1.0f, 2.0f, 1.0f));
    EXPECT_EQ(v.texcoord, vec2(-1.0f, 2.0f));
    EXPECT_NEAR(v.normal.x, -1.0f / std::sqrt(5.0f), 1e-6f);
    EXPECT_NEAR(v.normal.y, 0.0f, 1e-6f);
    EXPECT_NEAR(v.normal.z, 2.0f / std::sqrt(5.0f), 1e-6f);
}

} // namespace
