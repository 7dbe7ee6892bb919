#pragma once

#include <cstddef>
#include <cstdint>

#include "input/frame_input.hpp"

// The file of a recorded session: a header, then one fixed-size record per frame, written as the
// game runs. Every number is little-endian; doubles and floats are IEEE 754 bit patterns.
//
//   header, 32 bytes                         frame, 82 bytes
//   0   8  magic "KALVREC\n"                 0   8  dt, seconds (double)
//   8   4  format version (1)                8   2  keys and buttons, one bit each (key_bits)
//   12  4  window width, pixels              10  16 cursor x, y (doubles)
//   16  4  window height, pixels             26  8  window width, height (int32)
//   20  8  identity of assets/               34  1  gamepad connected (0 or 1)
//   28  4  frame size in bytes (82)          35  15 gamepad buttons (0 or 1 each)
//                                            50  24 gamepad axes (6 floats, -1..1)
//                                            74  8  checksum of the world after the rules
namespace kalvanor {

constexpr std::uint32_t recording_version = 1;
constexpr char recording_magic[8] = {'K', 'A', 'L', 'V', 'R', 'E', 'C', '\n'};
constexpr std::size_t recording_header_size = 32;
constexpr std::size_t recorded_frame_size = 82;

struct recording_header {
    std::uint32_t version = recording_version;
    std::int32_t width = 0; // the game window's client size, pixels
    std::int32_t height = 0;
    std::uint64_t assets = 0; // asset_identity of the assets the game ran with
};

struct recorded_frame {
    double dt = 0.0; // seconds, as the main loop measured it
    frame_input input;
    std::uint64_t checksum = 0; // world_checksum after the frame's rules
};

// Bit i of the keys field is the i-th of these, in this order.
enum key_bits : int {
    escape_bit, w_bit, a_bit, s_bit, d_bit, f1_bit, f3_bit, f4_bit, f5_bit, f8_bit, f9_bit,
    left_button_bit, right_button_bit, key_bit_count
};

using header_bytes = unsigned char[recording_header_size];
using frame_bytes = unsigned char[recorded_frame_size];

void encode(const recording_header& header, header_bytes& out);
// The header's fields after the magic; the frame size goes to frame_size.
recording_header decode(const header_bytes& in, std::uint32_t& frame_size);
void encode(const recorded_frame& frame, frame_bytes& out);

// False when a field holds what no game could have written: an unknown key bit, a flag other
// than 0 or 1, a number that is not finite or out of its range. The frame is then unusable.
bool decode(const frame_bytes& in, recorded_frame& frame);

} // namespace kalvanor
