#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "view/ground_mesh.hpp"

namespace {

using indices = std::vector<std::uint32_t>;

TEST(ground_mesh, strip_indices_for_one_row_and_rows_joined_by_repeats)
{
    const view::ground_mesh one(model::heightmap(2, 1));
    EXPECT_TRUE(one.is_strip());
    EXPECT_EQ(one.vertices().size(), 6u);
    EXPECT_EQ(one.indices(), (indices{3, 0, 4, 1, 5, 2}));

    const view::ground_mesh three(model::heightmap(1, 3));
    EXPECT_EQ(three.indices(), (indices{2, 0, 3, 1, 1, /**/ 4, 4, 2, 5, 3, 3, /**/ 6, 6, 4, 7, 5}));
}

TEST(ground_mesh, every_triangle_of_several_rows_faces_up)
{
    model::heightmap map(4, 3);
    map.set_height(2, 1, 1.5f);
    const view::ground_mesh mesh(map);
    const auto& v = mesh.vertices();
    const auto& k = mesh.indices();
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
    // Texture coordinates are world x and y; vertex (1, 2) is number 5 * 2 + 1.
    EXPECT_EQ(v[11].position, vec3(-2.0f, 1.0f, 0.0f));
    EXPECT_EQ(v[11].texcoord, vec2(-2.0f, 1.0f));
}

} // namespace
