#include <cmath>

#include "det_math.hpp"
#include "noise.hpp"
#include "textures.hpp"

namespace assets {

picture make_snow() {
    constexpr int size = 256;
    picture image(size, size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            double u = static_cast<double>(x) / size, v = static_cast<double>(y) / size;
            // period = cells across the tile, so each layer wraps exactly at the tile's edge
            double drifts = fractal_noise(u * 4.0, v * 4.0, 4, 101u, 4);
            // wind-blown streaks, eight times longer than wide
            double streaks = fractal_noise(u * 2.0, v * 16.0, 3, 103u, 2, 16);
            double grain = value_noise(u * 64.0, v * 64.0, 107u, 64);
            double t = clamp(0.52 + 0.35 * drifts + 0.35 * streaks + 0.12 * grain, 0.0, 1.0);
            // Well below white: flat ground gets about full light and slopes facing the sun up
            // to 1.3 times that, which must not all clip to one white.
            double r = lerp(0.74, 0.90, t), g = lerp(0.79, 0.93, t), b = lerp(0.85, 0.96, t);
            // a few glinting crystals
            if ((hash2(x, y, 109u) & 0x3FF) < 3) r = g = b = 1.0;
            image.at(x, y) = colour(r, g, b);
        }
    }
    return image;
}

picture make_water_normals() {
    constexpr int size = 256;
    // height of the ripple field at a pixel, wrapping at the tile's edge
    auto height = [](int x, int y) {
        x = (x % size + size) % size;
        y = (y % size + size) % size;
        double u = static_cast<double>(x) / size, v = static_cast<double>(y) / size;
        double h = 0.6 * fractal_noise(u * 8.0, v * 8.0, 3, 201u, 8);
        // long swells with whole wave counts across the tile, so they wrap too
        h += 0.25 * det_sin(2.0 * pi * (3.0 * u + 2.0 * v)) + 0.15 * det_sin(2.0 * pi * (-2.0 * u + 5.0 * v));
        return h;
    };
    constexpr double steepness = 7.0;
    picture image(size, size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            double dx = (height(x + 1, y) - height(x - 1, y)) * 0.5 * steepness;
            double dy = (height(x, y + 1) - height(x, y - 1)) * 0.5 * steepness;
            double length = std::sqrt(dx * dx + dy * dy + 1.0);
            double nx = -dx / length, ny = -dy / length, nz = 1.0 / length;
            image.at(x, y) = colour(nx * 0.5 + 0.5, ny * 0.5 + 0.5, nz * 0.5 + 0.5);
        }
    }
    return image;
}

picture make_sky() {
    constexpr int width = 512, height = 256;
    picture image(width, height);
    for (int y = 0; y < height; ++y) {
        // t: 0 at the zenith, 1 at the rim of the dome
        double t = (y + 0.5) / height;
        double toward_horizon = t * t;
        double r = lerp(0.30, 0.80, toward_horizon), g = lerp(0.52, 0.90, toward_horizon),
               b = lerp(0.86, 0.95, toward_horizon);
        // t = 1 - sin(elevation) on the dome. Clouds thin out towards the horizon, which then
        // shows the pure fog colour, and near the zenith, where the dome pinches the picture.
        double cover = smoothstep(0.95, 0.75, t) * smoothstep(0.05, 0.3, t);
        for (int x = 0; x < width; ++x) {
            double u = static_cast<double>(x) / width;
            double n = fractal_noise(u * 8.0, t * 5.0, 5, 301u, 8);
            double cloud = smoothstep(0.0, 0.45, n) * cover;
            double shade = 0.88 + 0.1 * fractal_noise(u * 16.0, t * 10.0, 2, 307u, 16);
            image.at(x, y) = colour(lerp(r, shade, cloud), lerp(g, shade, cloud), lerp(b, shade + 0.04, cloud));
        }
    }
    return image;
}

}  // namespace assets
