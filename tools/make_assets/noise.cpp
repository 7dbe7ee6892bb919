#include "noise.hpp"

#include <cmath>

namespace assets {

std::uint32_t hash2(std::int32_t x, std::int32_t y, std::uint32_t seed) {
    std::uint32_t h = seed * 0x9E3779B9u;
    h ^= static_cast<std::uint32_t>(x) * 0x85EBCA6Bu;
    h = (h << 13) | (h >> 19);
    h ^= static_cast<std::uint32_t>(y) * 0xC2B2AE35u;
    // murmur3 finaliser: spreads every input bit over the whole word
    h ^= h >> 16;
    h *= 0x85EBCA6Bu;
    h ^= h >> 13;
    h *= 0xC2B2AE35u;
    h ^= h >> 16;
    return h;
}

namespace {

double lattice(std::int32_t x, std::int32_t y, std::uint32_t seed, int period_x, int period_y) {
    if (period_x > 0) x = ((x % period_x) + period_x) % period_x;
    if (period_y > 0) y = ((y % period_y) + period_y) % period_y;
    // 24 bits convert to double exactly
    return static_cast<double>(hash2(x, y, seed) >> 8) * (2.0 / 16777216.0) - 1.0;
}

double fade(double t) { return t * t * t * (t * (t * 6.0 - 15.0) + 10.0); }

}  // namespace

double value_noise(double x, double y, std::uint32_t seed, int period, int period_y) {
    if (period_y < 0) period_y = period;
    double fx = std::floor(x);
    double fy = std::floor(y);
    auto ix = static_cast<std::int32_t>(fx);
    auto iy = static_cast<std::int32_t>(fy);
    double tx = fade(x - fx);
    double ty = fade(y - fy);
    double a = lattice(ix, iy, seed, period, period_y);
    double b = lattice(ix + 1, iy, seed, period, period_y);
    double c = lattice(ix, iy + 1, seed, period, period_y);
    double d = lattice(ix + 1, iy + 1, seed, period, period_y);
    double top = a + (b - a) * tx;
    double bottom = c + (d - c) * tx;
    return top + (bottom - top) * ty;
}

double fractal_noise(double x, double y, int octaves, std::uint32_t seed, int period, int period_y) {
    if (period_y < 0) period_y = period;
    double sum = 0.0;
    double total = 0.0;
    double amplitude = 1.0;
    double frequency = 1.0;
    for (int k = 0; k < octaves; ++k) {
        int px = period > 0 ? period << k : 0, py = period_y > 0 ? period_y << k : 0;
        sum += amplitude * value_noise(x * frequency, y * frequency, seed + 101u * k, px, py);
        total += amplitude;
        amplitude *= 0.5;
        frequency *= 2.0;
    }
    return sum / total;
}

}  // namespace assets
