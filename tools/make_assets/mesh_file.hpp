#pragma once
#include <string>
#include <vector>

#include "mesh_builder.hpp"

namespace assets {

// Reads the triangles of a mesh text file the way the game does: "v", "vt", "vn" and "f a/b/c"
// lines, faces with more corners fanned around the first. References outside the lists throw
// std::runtime_error here, because a generated mesh must never rely on the game's zero fallback.
std::vector<std::vector<corner>> read_mesh(const std::string& path);

}  // namespace assets
