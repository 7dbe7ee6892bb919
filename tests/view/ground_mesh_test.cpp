#include <gtest/gtest.h>

#include <cstdint>

#include "view/ground_mesh.hpp"

namespace {

// One strip over all rows, joined by repeated indices; degenerate joints aside, every triangle
// faces up, so the strip's order and its joints' parity are both right.
TEST(ground_mesh, one_strip_whose_every_triangle_faces_up)
{
    model::heightmap map(4, 3);
    map.set_height(2, 1, 1.5f);
    const view::ground_mesh mesh(map);
    EXPECT_TRUE(mesh.is_strip());
    const auto& v = mesh.vertices();
    const auto& k = mesh.indices();
    ASSERT_EQ(v.size(), 20u);
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
