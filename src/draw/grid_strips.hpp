#pragma once

#include <vector>

#include "draw/gl.hpp"
#include "draw/math.hpp"

namespace draw {

struct strip_grid;

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
    // Draws a part of the runs find_runs found last: with `inside` the cells that touch one of
    // `areas` ((x0, y0, x1, y1) rectangles in the grid's model units), else all the others. A run
    // is cut where it enters and leaves the areas; the rows keep their order.
    void draw_part(const strip_grid& grid, const std::vector<vec4>& areas, bool inside);

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
    std::vector<char> marked_; // per column of a row: touches an area
    std::vector<GLsizei> counts_;
    std::vector<const void*> offsets_;
    std::vector<GLuint> lowest_;
    std::vector<GLuint> highest_;
};

} // namespace draw
