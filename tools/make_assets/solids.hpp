#pragma once
#include "mesh_builder.hpp"

// Simple closed solids with outward normals and counter-clockwise faces seen from outside.
namespace assets {

// Axis-aligned box; every face maps the whole rectangle, the top of the picture at the face's
// top (+z for the side faces).
void add_box(mesh_builder& mesh, v3 min, v3 max, const uv_rect& uv);

// Cylinder around `axis` (unit length) through `centre`, from -half_length to +half_length
// along the axis, smooth sides, flat caps. The sides wrap the rectangle once around.
void add_cylinder(mesh_builder& mesh, v3 centre, v3 axis, double radius, double half_length, int segments,
                  const uv_rect& uv);

// Sphere, or an ellipsoid when the radii differ; smooth normals.
void add_sphere(mesh_builder& mesh, v3 centre, v3 radii, int rings, int segments, const uv_rect& uv);

}  // namespace assets
