#include "view/ground_mesh.hpp"

namespace view {

ground_mesh::ground_mesh(const model::heightmap& map)
{
    build_vertices(map);
    build_indices(map);
}

void ground_mesh::build_vertices(const model::heightmap& map)
{
    const int w = map.width_segments();
    const int l = map.length_segments();
    vertices_.resize(static_cast<std::size_t>(w + 1) * static_cast<std::size_t>(l + 1));
    for (int i = 0; i <= w; ++i) {
        for (int j = 0; j <= l; ++j) {
            const vec3 position = map.vertex_position(i, j);
            vertices_[static_cast<std::size_t>((w + 1) * j + i)] = {
                position, vec2(position.x, position.y), model::terrain_normal(map, position.x, position.y)};
        }
    }
}

void ground_mesh::build_indices(const model::heightmap& map)
{
    const int w = map.width_segments();
    const int l = map.length_segments();
    auto k = [w](int i, int j) { return static_cast<std::uint32_t>((w + 1) * j + i); };
    indices_.reserve(static_cast<std::size_t>(l) * static_cast<std::size_t>(2 * w + 4) - 2);
    for (int r = 0; r < l; ++r) {
        // The repeated first and last indices make degenerate triangles joining the rows; each
        // row's first real triangle lands on an even strip position, so all rows wind alike.
        if (r > 0) {
            indices_.push_back(k(0, r + 1));
        }
        for (int i = 0; i <= w; ++i) {
            indices_.push_back(k(i, r + 1));
            indices_.push_back(k(i, r));
        }
        if (r < l - 1) {
            indices_.push_back(k(w, r));
        }
    }
}

} // namespace view
