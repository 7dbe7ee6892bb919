#pragma once

#include "draw/geometry.hpp"
#include "draw/math.hpp"

// Whether the bounding sphere of a geometry drawn with `world_matrix` lies wholly outside one of
// the frustum planes. The radius grows with the longest of the matrix's three axes, so an item
// stretched along one axis only (the beam, 50 units long but thin) keeps a sphere that holds it.
// A sphere just touching a plane is still inside.
bool outside_frustum(const draw::sphere& sphere, const mat4& world_matrix, const draw::frustum& planes);
