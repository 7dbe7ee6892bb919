#pragma once

#include "draw/geometry.hpp"
#include "draw/math.hpp"

namespace draw {

// A geometry's bounding sphere as it lies in the world when drawn with `world_matrix`. The
// radius grows with the longest of the matrix's three axes, so an item stretched along one axis
// only (the beam, 50 units long but thin) keeps a sphere that holds it.
sphere world_sphere(const sphere& bounds, const mat4& world_matrix);

// Whether that sphere lies wholly outside one of the frustum planes. A sphere just touching a
// plane is still inside.
bool outside_frustum(const sphere& bounds, const mat4& world_matrix, const frustum& planes);

} // namespace draw
