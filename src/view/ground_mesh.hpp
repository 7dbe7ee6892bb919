#pragma once

#include "content/mesh.hpp"
#include "model/heightmap.hpp"

namespace view {

// The terrain as one triangle strip: a vertex per height-map vertex, the rows joined by
// degenerate triangles, every triangle counter-clockwise seen from above. Texture coordinates
// are world x and y; the material's scale tiles the texture.
class ground_mesh : public kalvanor::mesh {
public:
    explicit ground_mesh(const model::heightmap& map);

    bool is_strip() const override { return true; }

private:
    void build_vertices(const model::heightmap& map);
    void build_indices(const model::heightmap& map);
};

} // namespace view
