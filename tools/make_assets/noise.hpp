#pragma once
#include <cstdint>

// Value noise on an integer lattice with a fixed hash, so every run draws the same landscape.
// A period > 0 wraps the lattice, which makes the noise tile with that many cells; period_y, when
// given (>= 0), sets a different period along y.

namespace assets {

std::uint32_t hash2(std::int32_t x, std::int32_t y, std::uint32_t seed);

// Smoothly interpolated lattice values in [-1, 1].
double value_noise(double x, double y, std::uint32_t seed, int period = 0, int period_y = -1);

// Sum of octaves, each twice the frequency and half the amplitude of the one before; the result
// is divided by the total amplitude, so it stays in [-1, 1]. With a period, octave k wraps at
// period << k cells, so the sum tiles over the same extent as the first octave.
double fractal_noise(double x, double y, int octaves, std::uint32_t seed, int period = 0, int period_y = -1);

}  // namespace assets
