#include "det_math.hpp"
#include "enemy_atlas.hpp"
#include "noise.hpp"
#include "textures.hpp"

namespace assets {

namespace {

struct paint {
    double r, g, b;
};

paint scaled(paint p, double s) { return {p.r * s, p.g * s, p.b * s}; }

// A rectangle of `image` painted as a metal panel: base colour with faint grime, a bevelled rim
// (lit from the top left), grooves splitting it into cells and a rivet in each cell's corners.
struct panel {
    int x0, y0, width, height;
    paint base;
    int cells_x = 1, cells_y = 1;
    int rim = 6;
    std::uint32_t seed = 1;
};

void paint_panel(picture& image, const panel& p) {
    const int cell_w = p.width / p.cells_x, cell_h = p.height / p.cells_y;
    for (int y = 0; y < p.height; ++y) {
        for (int x = 0; x < p.width; ++x) {
            double grime = 1.0 + 0.08 * fractal_noise(x / 16.0, y / 16.0, 3, p.seed) +
                           0.03 * value_noise(x * 0.9, y * 0.3, p.seed + 7u);
            double light = 1.0;
            // outer bevel: light on the top and left edges, shadow on the bottom and right
            if (x < p.rim || y < p.rim) light = 1.25;
            if (x >= p.width - p.rim || y >= p.height - p.rim) light = 0.6;
            // grooves between cells: a dark line with a highlight below / right of it
            int cx = x % cell_w, cy = y % cell_h;
            bool inner_x = x >= p.rim && x < p.width - p.rim, inner_y = y >= p.rim && y < p.height - p.rim;
            if (inner_x && inner_y) {
                if (cx < 2 || cy < 2) light = 0.45;
                else if (cx < 3 || cy < 3) light = 1.2;
                // rivets 9 pixels in from each cell corner
                for (int corner_x : {9, cell_w - 9}) {
                    for (int corner_y : {9, cell_h - 9}) {
                        int dx = cx - corner_x, dy = cy - corner_y;
                        int d2 = dx * dx + dy * dy;
                        if (d2 <= 9) light = (dx + dy < 0) ? 1.4 : 0.7;
                        else if (d2 <= 16) light = 0.55;
                    }
                }
            }
            paint c = scaled(p.base, light * grime);
            image.at(p.x0 + x, p.y0 + y) = colour(c.r, c.g, c.b);
        }
    }
}

// Pixel rectangle of an atlas region, undoing the inset that keeps mipmaps apart.
panel region(const uv_rect& uv, paint base) {
    auto px = [](double t) { return round_clamped(t * enemy_atlas::size, 0, enemy_atlas::size); };
    int x0 = px(uv.u0 - enemy_atlas::inset), y0 = px(uv.v0 - enemy_atlas::inset);
    return {x0, y0, px(uv.u1 + enemy_atlas::inset) - x0, px(uv.v1 + enemy_atlas::inset) - y0, base};
}

}  // namespace

picture make_player_skin() {
    constexpr int size = 256;
    picture image(size, size);
    // Sunlit faces get up to 1.3 times this; kept short of white so the bloom leaves them alone.
    panel body{0, 0, size, size, {0.80, 0.47, 0.13}};
    body.cells_x = 2;
    body.cells_y = 2;
    body.rim = 10;
    body.seed = 401u;
    paint_panel(image, body);
    // yellow and black warning stripes across the lower cells
    for (int y = 196; y < 228; ++y) {
        for (int x = 12; x < size - 12; ++x) {
            bool yellow = ((x + y) / 16) % 2 == 0;
            double edge = (y < 198 || y >= 226) ? 0.6 : 1.0;
            paint c = yellow ? paint{0.86, 0.70, 0.15} : paint{0.12, 0.1, 0.08};
            image.at(x, y) = colour(c.r * edge, c.g * edge, c.b * edge);
        }
    }
    return image;
}

picture make_enemy_skin() {
    namespace atlas = enemy_atlas;
    picture image(atlas::size, atlas::size);

    panel plate = region(atlas::plate, {0.40, 0.44, 0.50});
    plate.cells_x = 2;
    plate.cells_y = 2;
    plate.seed = 501u;
    paint_panel(image, plate);

    panel accent = region(atlas::accent, {0.72, 0.13, 0.10});
    accent.seed = 503u;
    paint_panel(image, accent);

    panel joint = region(atlas::joint, {0.20, 0.22, 0.25});
    joint.cells_x = 4;
    joint.rim = 3;
    joint.seed = 505u;
    paint_panel(image, joint);

    // tread: dark rubber with raised links across the direction of travel
    panel tread = region(atlas::tread, {});
    for (int y = 0; y < tread.height; ++y) {
        for (int x = 0; x < tread.width; ++x) {
            int phase = x % 16;
            double light = phase < 3 ? 1.6 : (phase < 11 ? 1.0 : 0.55);
            if (y < 6 || y >= tread.height - 6) light *= 0.6;
            double v = (0.13 + 0.02 * value_noise(x / 3.0, y / 3.0, 507u)) * light;
            image.at(tread.x0 + x, tread.y0 + y) = colour(v, v, v * 1.05);
        }
    }

    // visor: a hot red-orange slit, brightest along its middle, with faint scan lines
    panel visor = region(atlas::visor, {});
    for (int y = 0; y < visor.height; ++y) {
        double across = (y + 0.5) / visor.height * 2.0 - 1.0;
        double glow = 1.0 - across * across;
        double scan = (y % 4 == 0) ? 0.85 : 1.0;
        for (int x = 0; x < visor.width; ++x) {
            image.at(visor.x0 + x, visor.y0 + y) =
                colour((0.75 + 0.25 * glow) * scan, (0.12 + 0.6 * glow * glow) * scan, (0.05 + 0.3 * glow * glow * glow) * scan);
        }
    }
    return image;
}

}  // namespace assets
