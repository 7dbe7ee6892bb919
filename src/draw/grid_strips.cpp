#include "draw/grid_strips.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

#include "draw/geometry.hpp"

namespace draw {

namespace {

// The first and last cell along one axis that the range [low, high] (model units) touches, or
// first > last when it misses the grid (or the range is not a number).
void cells_between(float low, float high, float origin, float cell, int count, int& first, int& last)
{
    const float from = std::floor((low - origin) / cell);
    const float to = std::floor((high - origin) / cell);
    if (!(to >= 0.0f) || !(from <= static_cast<float>(count - 1))) {
        first = 1;
        last = 0;
        return;
    }
    first = from > 0.0f ? static_cast<int>(from) : 0;
    last = to < static_cast<float>(count - 1) ? static_cast<int>(to) : count - 1;
}

// The least and greatest x of the convex hull of `points` between the lines y = y0 and y = y1,
// or false where the hull misses that band. Every segment between two of the points lies in the
// hull and the hull's own edges are among them, so the extremes are found among the points in
// the band and the segments' crossings of its two lines.
bool hull_across(const std::array<vec2, 8>& points, float y0, float y1, float& from, float& to)
{
    from = std::numeric_limits<float>::max();
    to = std::numeric_limits<float>::lowest();
    for (std::size_t i = 0; i < points.size(); ++i) {
        const vec2 a = points[i];
        if (a.y >= y0 && a.y <= y1) {
            from = std::min(from, a.x);
            to = std::max(to, a.x);
        }
        for (std::size_t j = i + 1; j < points.size(); ++j) {
            const vec2 b = points[j];
            for (const float y : {y0, y1}) {
                if ((a.y < y) != (b.y < y)) {
                    const float x = a.x + (b.x - a.x) * (y - a.y) / (b.y - a.y);
                    from = std::min(from, x);
                    to = std::max(to, x);
                }
            }
        }
    }
    return from <= to;
}

std::size_t squares_across(const strip_grid& grid)
{
    return static_cast<std::size_t>((grid.columns + grid.block - 1) / grid.block);
}

// Whether the grid's squares were measured for its present size.
bool squares_known(const strip_grid& grid)
{
    const auto along = static_cast<std::size_t>((grid.rows + grid.block - 1) / grid.block);
    return grid.block > 0 && grid.block_lowest.size() == squares_across(grid) * along &&
           grid.block_highest.size() == grid.block_lowest.size();
}

} // namespace

void measure_squares(strip_grid& grid, const std::function<float(int, int)>& height_at)
{
    grid.block_lowest.clear();
    grid.block_highest.clear();
    grid.lowest = height_at(0, 0);
    for (int y0 = 0; y0 < grid.rows; y0 += grid.block) {
        for (int x0 = 0; x0 < grid.columns; x0 += grid.block) {
            float low = height_at(x0, y0);
            float high = low;
            for (int j = y0; j <= y0 + grid.block && j <= grid.rows; ++j) {
                for (int i = x0; i <= x0 + grid.block && i <= grid.columns; ++i) {
                    const float h = height_at(i, j);
                    low = std::min(low, h);
                    high = std::max(high, h);
                }
            }
            grid.block_lowest.push_back(low);
            grid.block_highest.push_back(high);
            grid.lowest = std::min(grid.lowest, low);
        }
    }
}

float lowest_under(const strip_grid& grid, const vec4& area)
{
    int first_column = 0;
    int last_column = 0;
    int first_row = 0;
    int last_row = 0;
    cells_between(area.x, area.z, grid.min_x, grid.cell, grid.columns, first_column, last_column);
    cells_between(area.y, area.w, grid.min_y, grid.cell, grid.rows, first_row, last_row);
    if (!squares_known(grid) || first_column > last_column || first_row > last_row) {
        return grid.lowest;
    }
    const std::size_t across = squares_across(grid);
    float lowest = std::numeric_limits<float>::infinity();
    for (int y = first_row / grid.block; y <= last_row / grid.block; ++y) {
        for (int x = first_column / grid.block; x <= last_column / grid.block; ++x) {
            lowest = std::min(lowest, grid.block_lowest[static_cast<std::size_t>(y) * across + static_cast<std::size_t>(x)]);
        }
    }
    return lowest;
}

void grid_strips::draw(const strip_grid& grid, const mat4& world_matrix, const mat4& view_projection)
{
    find_runs(grid, world_matrix, view_projection);
    for (std::size_t run = 0; run < counts_.size(); ++run) {
        glDrawRangeElements(GL_TRIANGLE_STRIP, lowest_[run], highest_[run], counts_[run], GL_UNSIGNED_INT,
                            offsets_[run]);
    }
}

void grid_strips::sort_cells(const strip_grid& grid, const std::vector<vec4>& areas, const vec3& eye, float reach)
{
    marked_.resize(static_cast<std::size_t>(grid.columns));
    kinds_.clear();
    const bool heights_known = squares_known(grid);
    const std::size_t across = squares_across(grid);
    const auto farthest_squared = [](float low, float high, float at) {
        return std::max((low - at) * (low - at), (high - at) * (high - at));
    };
    for (const cells& run : cells_) {
        std::fill(marked_.begin(), marked_.end(), 0);
        const float y0 = grid.min_y + grid.cell * static_cast<float>(run.row);
        for (const vec4& area : areas) {
            if (area.y > y0 + grid.cell || area.w < y0) {
                continue;
            }
            int first = 0;
            int last = 0;
            cells_between(area.x, area.z, grid.min_x, grid.cell, grid.columns, first, last);
            for (int c = first; c <= last; ++c) {
                marked_[static_cast<std::size_t>(c)] = 1;
            }
        }
        const float along = farthest_squared(y0, y0 + grid.cell, eye.y);
        const std::size_t square_row = static_cast<std::size_t>(run.row / grid.block) * across;
        for (int c = run.first_column; c <= run.last_column; ++c) {
            unsigned char kind = marked_[static_cast<std::size_t>(c)] != 0 ? in_area : 0;
            // The cell's farthest corner from the eye, its heights bounded by its square's.
            bool near = false;
            if (heights_known) {
                const std::size_t square = square_row + static_cast<std::size_t>(c / grid.block);
                const float x0 = grid.min_x + grid.cell * static_cast<float>(c);
                near = farthest_squared(x0, x0 + grid.cell, eye.x) + along +
                           farthest_squared(grid.block_lowest[square], grid.block_highest[square], eye.z) <
                       reach * reach;
            }
            if (!near) {
                kind |= beyond;
            }
            kinds_.push_back(kind);
        }
    }
}

void grid_strips::draw_kind(const strip_grid& grid, unsigned kind) const
{
    std::size_t at = 0; // the run's first cell in kinds_
    for (const cells& run : cells_) {
        const auto kind_of = [&](int column) { return kinds_[at + static_cast<std::size_t>(column - run.first_column)]; };
        for (int c = run.first_column; c <= run.last_column;) {
            int end = c;
            while (end < run.last_column && kind_of(end + 1) == kind_of(c)) {
                ++end;
            }
            if (kind_of(c) == kind) {
                draw_cells(grid, run.row, c, end);
            }
            c = end + 1;
        }
        at += static_cast<std::size_t>(run.last_column - run.first_column + 1);
    }
}

void grid_strips::draw_cells(const strip_grid& grid, int row, int first, int last) const
{
    // Row 0 holds 2w + 3 indices, every later row begins with one joining index. The run pairs
    // vertex i of row r + 1 with vertex i of row r, for i from the first column to one past the
    // last; vertices lie row by row, w + 1 to a row.
    const std::int64_t w = grid.columns;
    const std::int64_t r = row;
    const std::int64_t row_start = r == 0 ? 0 : (2 * w + 3) + (r - 1) * (2 * w + 4) + 1;
    const std::int64_t first_index = row_start + 2 * first;
    glDrawRangeElements(GL_TRIANGLE_STRIP, static_cast<GLuint>((w + 1) * r + first),
                        static_cast<GLuint>((w + 1) * (r + 1) + last + 1), static_cast<GLsizei>(2 * (last - first + 2)),
                        GL_UNSIGNED_INT,
                        reinterpret_cast<const void*>(first_index * static_cast<std::int64_t>(sizeof(std::uint32_t))));
}

void grid_strips::find_runs(const strip_grid& grid, const mat4& world_matrix, const mat4& view_projection)
{
    cells_.clear();
    counts_.clear();
    offsets_.clear();
    lowest_.clear();
    highest_.clear();
    // The view volume's corners in the grid's own space: seen from above, everything the view
    // can see lies in their convex hull.
    const mat4 to_model = glm::inverse(view_projection * world_matrix);
    std::array<vec2, 8> corners;
    vec2 low(std::numeric_limits<float>::max());
    vec2 high(std::numeric_limits<float>::lowest());
    for (int corner = 0; corner < 8; ++corner) {
        const vec4 p = to_model * vec4(corner & 1 ? 1.0f : -1.0f, corner & 2 ? 1.0f : -1.0f,
                                       corner & 4 ? 1.0f : -1.0f, 1.0f);
        corners[corner] = vec2(p) / p.w;
        low = glm::min(low, corners[corner]);
        high = glm::max(high, corners[corner]);
    }
    int first_row = 0;
    int last_row = 0;
    cells_between(low.y, high.y, grid.min_y, grid.cell, grid.rows, first_row, last_row);
    // Nearest rows first, so that the hills in front fill the depth buffer before what they hide
    // is drawn: hidden fragments then fail the depth test before they are shaded. The far plane's
    // corners are the last four.
    const float near_y = corners[0].y + corners[1].y + corners[2].y + corners[3].y;
    const float far_y = corners[4].y + corners[5].y + corners[6].y + corners[7].y;
    const int step = far_y < near_y ? -1 : 1;
    if (step < 0) {
        std::swap(first_row, last_row);
    }

    const std::int64_t w = grid.columns;
    for (int r = first_row; r != last_row + step; r += step) {
        // The hull's extent along x within the row's band: a perspective view's footprint widens
        // with distance, so near rows need far fewer cells than its bounding box holds.
        float from = 0.0f;
        float to = 0.0f;
        if (!hull_across(corners, grid.min_y + grid.cell * static_cast<float>(r),
                         grid.min_y + grid.cell * static_cast<float>(r + 1), from, to)) {
            continue;
        }
        int first_column = 0;
        int last_column = 0;
        cells_between(from, to, grid.min_x, grid.cell, grid.columns, first_column, last_column);
        if (first_column > last_column) {
            continue;
        }
        // Row 0 holds 2w + 3 indices, every later row begins with one joining index.
        const std::int64_t row_start = r == 0 ? 0 : (2 * w + 3) + (r - 1) * (2 * w + 4) + 1;
        const std::int64_t first_index = row_start + 2 * first_column;
        cells_.push_back({r, first_column, last_column});
        counts_.push_back(static_cast<GLsizei>(2 * (last_column - first_column + 2)));
        offsets_.push_back(reinterpret_cast<const void*>(first_index * static_cast<std::int64_t>(sizeof(std::uint32_t))));
        // The run pairs vertex i of row r + 1 with vertex i of row r, for i from the first
        // column to one past the last; vertices lie row by row, w + 1 to a row.
        lowest_.push_back(static_cast<GLuint>((w + 1) * r + first_column));
        highest_.push_back(static_cast<GLuint>((w + 1) * (r + 1) + last_column + 1));
    }
}

} // namespace draw
