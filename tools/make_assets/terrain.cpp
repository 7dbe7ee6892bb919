#include "terrain.hpp"

#include <cmath>

#include "det_math.hpp"
#include "noise.hpp"

namespace assets {

namespace {

struct point {
    double x, y;
};

// Where the player starts, where enemies spawn and the centre they patrol through: these stay
// dry even when the water has risen a little late in the game.
constexpr point dry_points[] = {{20, 0},  {0, 0},   {36, 36}, {-36, 36}, {36, -36},
                                {-36, -36}, {50, 0}, {-50, 0}, {0, 50},   {0, -50}};
constexpr double dry_height = -1.2;

struct lake {
    point centre;
    double radius;  // of the flat floor; the shore climbs over the next 15 units
};

// Enemies patrol along the axes and the diagonals, so the lakes sit in the gaps between those
// lines; the first one lies ahead and to the left of the player's start, in view at once.
constexpr lake lakes[] = {
    {{11.5, 27.7}, 5.0},  {{-35.1, 14.5}, 5.0},  {{-12.2, -29.6}, 5.0}, {{57.3, 23.7}, 8.0},
    {{-23.0, 55.4}, 8.0}, {{-57.3, -23.7}, 8.0}, {{23.7, -57.3}, 8.0},
};

double distance(point a, double x, double y) { return std::sqrt((a.x - x) * (a.x - x) + (a.y - y) * (a.y - y)); }

}  // namespace

double terrain_height(double x, double y) {
    // broad rolling hills plus a gentler layer of hummocks
    double h = -0.7 + 3.6 * fractal_noise(x / 64.0 + 10.0, y / 64.0 + 10.0, 4, 11u);
    h += 0.5 * fractal_noise(x / 16.0, y / 16.0, 3, 23u);

    // higher ground towards the map's edges, far outside the patrol area
    double r = std::sqrt(x * x + y * y);
    h += 2.0 * smoothstep(120.0, 240.0, r);

    for (const lake& l : lakes) {
        // ragged shore lines
        double d = distance(l.centre, x, y) + 1.5 * value_noise(x / 8.0, y / 8.0, 37u);
        double floor = -3.95 + 0.15 * value_noise(x / 4.0, y / 4.0, 41u);
        h = lerp(h, floor, smoothstep(l.radius + 15.0, l.radius, d));
    }

    for (const point& p : dry_points) {
        double t = smoothstep(16.0, 7.0, distance(p, x, y));
        if (h < dry_height) h = lerp(h, dry_height, t);
    }
    return h;
}

picture make_height_map() {
    picture map(height_map_size, height_map_size);
    const double offset = height_map_size - 1.0;
    for (int j = 0; j < height_map_size; ++j) {
        for (int i = 0; i < height_map_size; ++i) {
            double h = terrain_height(2.0 * i - offset, 2.0 * j - offset);
            auto red = static_cast<std::uint8_t>(round_clamped((h / world_height_scale + 1.0) * 128.0, 0, 255));
            map.at(i, j) = {red, red, red};
        }
    }
    return map;
}

}  // namespace assets
