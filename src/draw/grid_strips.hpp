#pragma once

#include <vector>

#include "draw/gl.hpp"
#include "draw/math.hpp"

namespace draw {

struct strip_grid;

// Draws of a grid-shaped strip (the terrain) limited to the cells a view can see: each row's run
// of visible cells is a strip of its own, all in one call. The terrain reaches far beyond the
// far plane, and a software renderer shades every vertex it is given on one thread.
class grid_strips {
public:
    // Draws, from the strip bound as the index buffer, the cells of `grid` that may lie in the
    // view volume of `view_projection` once `world_matrix` has placed them. The runs' lists keep
    // their capacity, so the frame loop allocates nothing once they have grown.
    void draw(const strip_grid& grid, const mat4& world_matrix, const mat4& view_projection);

    // The runs that draw would draw: per row of cells in view, the row nearest the viewer first,
    // its index count and the byte offset of its first index.
    void find_runs(const strip_grid& grid, const mat4& world_matrix, const mat4& view_projection);
    const std::vector<GLsizei>& counts() const { return counts_; }
    const std::vector<const void*>& offsets() const { return offsets_; }

private:
    std::vector<GLsizei> counts_;
    std::vector<const void*> offsets_;
};

} // namespace draw
