#pragma once
#include "mesh_builder.hpp"

// Layout of enemy.bmp (256 x 256), shared by the texture painter and the rabbot mesh. Each region
// is inset by two pixels so that mipmaps do not bleed the neighbouring region into it.
namespace assets::enemy_atlas {

constexpr int size = 256;
constexpr double inset = 2.0 / size;

constexpr uv_rect plate{0.0 + inset, 0.0 + inset, 0.5 - inset, 0.5 - inset};   // hull metal
constexpr uv_rect tread{0.5 + inset, 0.0 + inset, 1.0 - inset, 0.5 - inset};   // rubber links
constexpr uv_rect accent{0.0 + inset, 0.5 + inset, 0.5 - inset, 1.0 - inset};  // red warning plates
constexpr uv_rect visor{0.5 + inset, 0.5 + inset, 1.0 - inset, 0.75 - inset};  // glowing eye slit
constexpr uv_rect joint{0.5 + inset, 0.75 + inset, 1.0 - inset, 1.0 - inset};  // dark machinery

}  // namespace assets::enemy_atlas
