#include "view/box_mesh.hpp"

#include <array>

namespace view {

namespace {

struct face {
    vec3 normal;
    std::array<vec3, 4> corners;
};

} // namespace

box_mesh::box_mesh(const box_extent& e)
{
    // Corners in texture order (0,0), (1,0), (0,1), (1,1); on the sides t grows upward.
    const std::array<face, 6> faces{{
        {{-1, 0, 0}, {{{e.x0, e.y1, e.zb}, {e.x0, e.y0, e.zb}, {e.x0, e.y1, e.zt}, {e.x0, e.y0, e.zt}}}},
        {{1, 0, 0}, {{{e.x1, e.y0, e.zb}, {e.x1, e.y1, e.zb}, {e.x1, e.y0, e.zt}, {e.x1, e.y1, e.zt}}}},
        {{0, -1, 0}, {{{e.x0, e.y0, e.zb}, {e.x1, e.y0, e.zb}, {e.x0, e.y0, e.zt}, {e.x1, e.y0, e.zt}}}},
        {{0, 1, 0}, {{{e.x1, e.y1, e.zb}, {e.x0, e.y1, e.zb}, {e.x1, e.y1, e.zt}, {e.x0, e.y1, e.zt}}}},
        {{0, 0, -1}, {{{e.x1, e.y0, e.zb}, {e.x0, e.y0, e.zb}, {e.x1, e.y1, e.zb}, {e.x0, e.y1, e.zb}}}},
        {{0, 0, 1}, {{{e.x0, e.y0, e.zt}, {e.x1, e.y0, e.zt}, {e.x0, e.y1, e.zt}, {e.x1, e.y1, e.zt}}}},
    }};
    const std::array<vec2, 4> texcoords{{{0, 0}, {1, 0}, {0, 1}, {1, 1}}};

    vertices_.reserve(24);
    for (const face& f : faces) {
        for (std::size_t k = 0; k < 4; ++k) {
            vertices_.push_back({f.corners[k], texcoords[k], f.normal});
        }
    }
    indices_.reserve(36);
    for (std::uint32_t b = 0; b < 24; b += 4) {
        indices_.insert(indices_.end(), {b, b + 1, b + 2, b + 1, b + 3, b + 2});
    }
}

} // namespace view
