#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <set>

#include "draw/geometry.hpp"
#include "draw/grid_strips.hpp"
#include "model/heightmap.hpp"
#include "view/ground_mesh.hpp"

namespace {

using triangle = std::array<std::uint32_t, 3>;

// The real triangles of a strip, each turned to start at its smallest index so that the winding
// is kept but the starting corner does not matter.
void add_triangles(const std::uint32_t* strip, std::size_t count, std::set<triangle>& out)
{
    for (std::size_t k = 0; k + 2 < count; ++k) {
        triangle t = k % 2 == 0 ? triangle{strip[k], strip[k + 1], strip[k + 2]}
                                : triangle{strip[k + 1], strip[k], strip[k + 2]};
        if (t[0] == t[1] || t[1] == t[2] || t[0] == t[2]) {
            continue;
        }
        std::rotate(t.begin(), std::min_element(t.begin(), t.end()), t.end());
        out.insert(t);
    }
}

// The runs drawn for a view of the terrain are the terrain's own triangles, wound alike: all of
// them for a view of the whole map, for a view of a corner only those near it, and for a view
// turned by 45 degrees only the cells its diamond-shaped footprint touches.
TEST(grid_strips, runs_draw_the_terrain_strip_s_own_triangles_of_the_cells_in_view)
{
    const model::heightmap map(10, 10); // cells of 2 units over [-10, 10] x [-10, 10]
    const view::ground_mesh mesh(map);
    const std::vector<std::uint32_t>& indices = mesh.indices();
    std::set<triangle> whole;
    add_triangles(indices.data(), indices.size(), whole);
    const draw::strip_grid grid{10, 10, -10.0f, -10.0f, 2.0f};
    const float half_diagonal = 9.0f / std::sqrt(2.0f);

    const struct { mat4 view_projection; std::size_t triangles; } views[] = {
        {draw::ortho(-11, 11, -11, 11, -10, 10), whole.size()},
        {draw::ortho(-10, -8.5f, -10, -8.5f, -10, 10), 2}, // the first cell alone
        {draw::ortho(1, 3, 1, 3, -10, 10), 2 * 2 * 2},     // columns 5..6 of rows 5..6
        {draw::ortho(20, 30, 20, 30, -10, 10), 0},         // off the map
        // |x| + |y| <= 9: rows from the middle out touch 10, 8, 6, 4 and 2 cells.
        {draw::ortho(-half_diagonal, half_diagonal, -half_diagonal, half_diagonal, -10, 10) *
             draw::rotate(mat4(1.0f), 45.0f, vec3(0, 0, 1)),
         2 * 2 * (10 + 8 + 6 + 4 + 2)},
    };
    draw::grid_strips strips;
    for (const auto& v : views) {
        strips.find_runs(grid, mat4(1.0f), v.view_projection);
        std::set<triangle> drawn;
        for (std::size_t r = 0; r < strips.counts().size(); ++r) {
            const auto first = reinterpret_cast<std::uintptr_t>(strips.offsets()[r]) / sizeof(std::uint32_t);
            ASSERT_LE(first + static_cast<std::size_t>(strips.counts()[r]), indices.size());
            add_triangles(indices.data() + first, static_cast<std::size_t>(strips.counts()[r]), drawn);
            // The range given with the run must be exactly the vertices it uses.
            const auto [low, high] = std::minmax_element(indices.begin() + first, indices.begin() + first + strips.counts()[r]);
            EXPECT_EQ(*low, strips.lowest()[r]);
            EXPECT_EQ(*high, strips.highest()[r]);
        }
        EXPECT_EQ(drawn.size(), v.triangles);
        EXPECT_TRUE(std::includes(whole.begin(), whole.end(), drawn.begin(), drawn.end()));
    }
}

// Near rows come first whichever way along the rows the view looks, so that the hills in front
// hide what lies behind them before it is shaded.
TEST(grid_strips, rows_in_view_come_nearest_first)
{
    const draw::strip_grid grid{10, 10, -10.0f, -10.0f, 2.0f};
    const mat4 projection = draw::perspective_fov(60.0f, 4.0f, 3.0f, 0.1f, 30.0f);
    draw::grid_strips strips;
    for (const float towards : {1.0f, -1.0f}) {
        const vec3 eye(0.0f, -9.0f * towards, 3.0f);
        strips.find_runs(grid, mat4(1.0f), projection * draw::look_at(eye, vec3(0.0f), vec3(0, 0, 1)));
        const std::vector<const void*>& offsets = strips.offsets();
        ASSERT_GT(offsets.size(), 5u);
        EXPECT_TRUE(towards > 0 ? std::is_sorted(offsets.begin(), offsets.end())
                                : std::is_sorted(offsets.rbegin(), offsets.rend()))
            << "looking along y by " << towards;
    }
}

} // namespace
