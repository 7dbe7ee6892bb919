#pragma once

#include <functional>
#include <vector>

#include "draw/gl.hpp"
#include "draw/math.hpp"

namespace draw {

struct strip_grid;

// Fills the grid's squares from `height_at(i, j)`, the model z of the vertex i along x and j
// along y, and sets `lowest`.
void measure_squares(strip_grid& grid, const std::function<float(int, int)>& height_at);

// The lowest model z of the cells that the rectangle `area` (x0, y0, x1, y1 in model units)
// touches, as far as the grid's squares tell; `lowest` where they are unknown or the rectangle
// misses the grid.
float lowest_under(const strip_grid& grid, const vec4& area);

// Draws of a grid-shaped strip (the terrain) limited to the cells a view can see: each row's run
// of visible cells is a strip of its own, drawn with the range of vertices it uses, so the
// driver need not look through the indices for it. The terrain reaches far beyond the far plane,
// and a software renderer shades every vertex it is given on one thread.
class grid_strips {
public:
    // Draws, from the strip bound as the index buffer, the cells of `grid` that may lie in the
    // view volume of `view_projection` once `world_matrix` has placed them. The runs' lists keep
    // their capacity, so the frame loop allocates nothing once they have grown.
    void draw(const strip_grid& grid, const mat4& world_matrix, const mat4& view_projection);
    // Sorts the cells of the runs find_runs found last by what their pixels may need, into four
    // kinds: `in_area` set where the cell touches one of `areas` ((x0, y0, x1, y1) rectangles in
    // the grid's model units), `beyond` set unless all of the cell lies within `reach` of `eye`
    // (model units too; the cell's heights bounded by its square's, always beyond where the grid
    // does not know them).
    static constexpr unsigned in_area = 1;
    static constexpr unsigned beyond = 2;
    void sort_cells(const strip_grid& grid, const std::vector<vec4>& areas, const vec3& eye, float reach);
    // Draws the cells of one kind as sorted last, each run cut where the kind changes; the rows
    // keep their order.
    void draw_kind(const strip_grid& grid, unsigned kind) const;
    // The kind of each cell of each run in turn, as sort_cells sorted them.
    const std::vector<unsigned char>& kinds() const { return kinds_; }

    // The runs that draw would draw: per row of cells in view, the row nearest the viewer first,
    // its index count, the byte offset of its first index and the lowest and highest vertex
    // index it holds.
    void find_runs(const strip_grid& grid, const mat4& world_matrix, const mat4& view_projection);
    const std::vector<GLsizei>& counts() const { return counts_; }
    const std::vector<const void*>& offsets() const { return offsets_; }
    const std::vector<GLuint>& lowest() const { return lowest_; }
    const std::vector<GLuint>& highest() const { return highest_; }

private:
    struct cells {
        int row, first_column, last_column;
    };
    // The cells from `first` to `last` column of one row, as one draw.
    void draw_cells(const strip_grid& grid, int row, int first, int last) const;

    std::vector<cells> cells_; // of each run
    std::vector<char> marked_;         // per column of a row: touches an area
    std::vector<unsigned char> kinds_; // per cell of each run in turn
    std::vector<GLsizei> counts_;
    std::vector<const void*> offsets_;
    std::vector<GLuint> lowest_;
    std::vector<GLuint> highest_;
};

} // namespace draw
