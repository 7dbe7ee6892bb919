#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <set>
#include <utility>
#include <vector>

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

// A cell counts as near only when all of it lies within reach, its heights bounded by its
// square's; cells touching an area are marked whatever their distance.
TEST(grid_strips, cells_are_sorted_by_the_areas_they_touch_and_by_their_farthest_point)
{
    // Squares of 4 x 4 cells, the last ones of each row and column cut short, over hills that rise
    // along y, some above the eye.
    draw::strip_grid grid{10, 10, -10.0f, -10.0f, 2.0f};
    grid.block = 4;
    const auto height = [](int i, int j) { return 2.0f + 2.0f * std::sin(0.9f * i) * std::cos(0.7f * j) + 0.8f * j; };
    draw::measure_squares(grid, height);
    draw::grid_strips strips;
    strips.find_runs(grid, mat4(1.0f), draw::ortho(-11, 11, -11, 11, -20, 20)); // all of it, row by row
    ASSERT_TRUE(std::is_sorted(strips.offsets().begin(), strips.offsets().end()));
    const vec3 eye(-3.0f, 2.0f, 3.0f);
    const float reach = 11.0f;
    const vec4 area(1.0f, -5.0f, 2.5f, -3.0f); // columns 5 and 6 of rows 2 and 3
    strips.sort_cells(grid, {area}, eye, reach);
    ASSERT_EQ(strips.kinds().size(), 100u);
    int near = 0;
    for (int r = 0; r < 10; ++r) {
        for (int c = 0; c < 10; ++c) {
            const unsigned kind = strips.kinds()[static_cast<std::size_t>(r * 10 + c)];
            EXPECT_EQ((kind & draw::grid_strips::in_area) != 0, (c == 5 || c == 6) && (r == 2 || r == 3)) << c << "," << r;
            // The cell's two triangles lie within the hull of its corners.
            float farthest = 0.0f;
            for (const auto& [i, j] : {std::pair{c, r}, {c + 1, r}, {c, r + 1}, {c + 1, r + 1}}) {
                farthest = std::max(farthest, glm::distance(eye, vec3(-10.0f + 2.0f * i, -10.0f + 2.0f * j, height(i, j))));
            }
            if ((kind & draw::grid_strips::beyond) == 0) {
                ++near;
                EXPECT_LT(farthest, reach) << c << "," << r;
            }
        }
    }
    EXPECT_GT(near, 8) << "the squares' heights are close enough to find near cells";

    const float top = draw::lowest_under(grid, vec4(-9.5f, 8.5f, -8.5f, 9.5f)); // cell (0, 9)
    EXPECT_LE(top, std::min({height(0, 9), height(1, 9), height(0, 10), height(1, 10)}));
    EXPECT_GT(top, grid.lowest + 2.0f) << "the bound of its own square, not of the whole grid";
    EXPECT_EQ(draw::lowest_under(grid, vec4(20.0f, 20.0f, 30.0f, 30.0f)), grid.lowest) << "off the grid";

    grid.block_lowest.clear(); // heights unknown: nothing is near
    strips.sort_cells(grid, {}, eye, reach);
    EXPECT_TRUE(std::all_of(strips.kinds().begin(), strips.kinds().end(),
                            [](unsigned char kind) { return kind == draw::grid_strips::beyond; }));
}

} // namespace
