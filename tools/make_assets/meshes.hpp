#pragma once
#include "mesh_builder.hpp"

namespace assets {

// The enemy robot: treads, torso, arm guns and a head with a visor; facing +y, about 2 units in
// radius. Its treads rest on z = -0.8, where the game's placement puts the ground. Texture coordinates point into the regions of enemy_atlas.hpp.
mesh_builder make_rabbot();

// Radius of the sky dome in mesh units. The game scales the dome by (1.3125, 1.3125, 0.41667)
// and centres it 7 units below the eye, so the rim lies 47.25 units away horizontally and
// 47.8 units from the eye: inside the far plane at 50.
constexpr double skydome_radius = 36.0;

// A hemisphere over z = 0 seen from inside (triangles counter-clockwise seen from the centre,
// normals inward). The sky material samples at texcoord x (-1), so the stored coordinates are
// the negated picture coordinates: the zenith near the top row of sky.bmp, the rim near the
// bottom row, the picture wrapping twice around.
mesh_builder make_skydome();

}  // namespace assets
