#include "scene/ground_model.hpp"

#include "content/manager.hpp"
#include "content/texture_loader.hpp"
#include "draw/geometry.hpp"
#include "draw/grid_strips.hpp"
#include "draw/material.hpp"
#include "model/heightmap.hpp"
#include "view/ground_mesh.hpp"

namespace {

std::shared_ptr<draw::material> snow(content::manager& content)
{
    auto material = std::make_shared<draw::material>();
    // Texture coordinates are world units: one repeat every 12.5 units.
    material->texcoord_scale = 0.08f;
    material->diffuse_map = content.texture().load_shared("textures/snow.bmp");
    return material;
}

} // namespace

ground_model::ground_model(content::manager& content, const model::heightmap& map)
    : item(draw::geometry_of(view::ground_mesh(map)), snow(content), mat4(1.0f))
{
    item.cast_shadow = false;
    // The strip lies row by row along y, 2 units a cell, as the ground mesh builds it.
    const model::heightmap::area& bounds = map.bounds();
    draw::strip_grid grid{map.width_segments(), map.length_segments(), bounds.min_x, bounds.min_y, 2.0f};
    draw::measure_squares(grid, [&map](int i, int j) { return map.height_at(i, j); });
    item.geometry->set_grid(grid);
}
