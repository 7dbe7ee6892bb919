#pragma once
#include <vector>

#include "mesh_builder.hpp"
#include "picture.hpp"

namespace assets {

// The game's icon: `mesh` textured with `skin`, seen from the front right and above, lit like
// the preview, on a transparent background and scaled to fill a `size` x `size` square. Edges are
// smoothed by 4 x 4 samples a pixel. Returns 8-bit RGBA rows, bottom row first (as
// snapshot::write_png takes them); the arithmetic avoids libm, so the bytes are the same everywhere.
std::vector<unsigned char> render_icon(const std::vector<std::vector<corner>>& mesh, const picture& skin, int size);

}  // namespace assets
