#pragma once
#include "picture.hpp"

namespace assets {

// Snow for the ground, tiled every 12.5 world units: soft drifts and fine grain, tileable.
picture make_snow();
// Normal map (RGB = normal x 0.5 + 0.5, z up) of gentle ripples, tileable.
picture make_water_normals();
// Sky for the dome: deep blue at the top row (zenith), the fog colour at the bottom row (rim),
// soft clouds in between; tileable left to right.
picture make_sky();
// Painted panels with rivets for every face of the player's boxes.
picture make_player_skin();
// Atlas for the rabbot mesh; the regions are in enemy_atlas.hpp.
picture make_enemy_skin();

}  // namespace assets
