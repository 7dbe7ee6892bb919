#include "draw/grid_strips.hpp"

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

} // namespace

void grid_strips::draw(const strip_grid& grid, const mat4& world_matrix, const mat4& view_projection)
{
    find_runs(grid, world_matrix, view_projection);
    if (!counts_.empty()) {
        glMultiDrawElements(GL_TRIANGLE_STRIP, counts_.data(), GL_UNSIGNED_INT, offsets_.data(),
                            static_cast<GLsizei>(counts_.size()));
    }
}

void grid_strips::find_runs(const strip_grid& grid, const mat4& world_matrix, const mat4& view_projection)
{
    counts_.clear();
    offsets_.clear();
    // The view volume's corners in the grid's own space bound everything it can see.
    const mat4 to_model = glm::inverse(view_projection * world_matrix);
    vec2 low(std::numeric_limits<float>::max());
    vec2 high(std::numeric_limits<float>::lowest());
    for (int corner = 0; corner < 8; ++corner) {
        const vec4 p = to_model * vec4(corner & 1 ? 1.0f : -1.0f, corner & 2 ? 1.0f : -1.0f,
                                       corner & 4 ? 1.0f : -1.0f, 1.0f);
        const vec2 at = vec2(p) / p.w;
        low = glm::min(low, at);
        high = glm::max(high, at);
    }
    int first_column = 0;
    int last_column = 0;
    int first_row = 0;
    int last_row = 0;
    cells_between(low.x, high.x, grid.min_x, grid.cell, grid.columns, first_column, last_column);
    cells_between(low.y, high.y, grid.min_y, grid.cell, grid.rows, first_row, last_row);
    if (first_column > last_column || first_row > last_row) {
        return;
    }

    const std::int64_t w = grid.columns;
    for (int r = first_row; r <= last_row; ++r) {
        // Row 0 holds 2w + 3 indices, every later row begins with one joining index.
        const std::int64_t row_start = r == 0 ? 0 : (2 * w + 3) + (r - 1) * (2 * w + 4) + 1;
        const std::int64_t first_index = row_start + 2 * first_column;
        counts_.push_back(static_cast<GLsizei>(2 * (last_column - first_column + 2)));
        offsets_.push_back(reinterpret_cast<const void*>(first_index * static_cast<std::int64_t>(sizeof(std::uint32_t))));
    }
}

} // namespace draw
