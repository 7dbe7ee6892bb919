#include "icon.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

#include "det_math.hpp"

namespace assets {

namespace {

constexpr int samples = 4;  // per pixel and axis
constexpr double margin = 0.04;  // of the size, on each side

struct view {
    v3 right, up, forward;
};

// Orthographic: a perspective icon of something this small would only distort it.
view three_quarter_view() {
    const double yaw = 35.0 * pi / 180.0, pitch = 22.0 * pi / 180.0;
    const v3 towards_eye{det_sin(yaw) * det_cos(pitch), det_cos(yaw) * det_cos(pitch), det_sin(pitch)};
    const v3 forward = towards_eye * -1.0;
    const v3 right = normalized(cross(forward, {0, 0, 1}));
    return {right, cross(right, forward), forward};
}

struct projected {
    double x, y, depth;  // x right, y up, in samples
};

v3 sample(const picture& skin, v2 t) {
    // Texture coordinate 0 is the picture's top row, as the game uploads it.
    const int x = std::clamp(static_cast<int>(std::floor(t.u * skin.width())), 0, skin.width() - 1);
    const int y = std::clamp(static_cast<int>(std::floor(t.v * skin.height())), 0, skin.height() - 1);
    const rgb& p = skin.at(x, y);
    return {p.r / 255.0, p.g / 255.0, p.b / 255.0};
}

}  // namespace

std::vector<unsigned char> render_icon(const std::vector<std::vector<corner>>& mesh, const picture& skin, int size) {
    const view eye = three_quarter_view();
    const v3 light = normalized({-0.5, 0.4, 0.8});
    const int extent = size * samples;

    double min_x = std::numeric_limits<double>::max(), max_x = -min_x, min_y = min_x, max_y = -min_x;
    for (const auto& triangle : mesh) {
        for (const corner& c : triangle) {
            const double x = dot(c.position, eye.right), y = dot(c.position, eye.up);
            min_x = std::min(min_x, x), max_x = std::max(max_x, x);
            min_y = std::min(min_y, y), max_y = std::max(max_y, y);
        }
    }
    const double scale = extent * (1.0 - 2.0 * margin) / std::max(max_x - min_x, max_y - min_y);
    const double centre_x = (min_x + max_x) / 2.0, centre_y = (min_y + max_y) / 2.0;

    std::vector<double> depth(static_cast<std::size_t>(extent) * extent, std::numeric_limits<double>::infinity());
    std::vector<v3> colour(depth.size());
    for (const auto& triangle : mesh) {
        projected p[3];
        for (int k = 0; k < 3; ++k) {
            const v3& at = triangle[k].position;
            p[k] = {extent / 2.0 + (dot(at, eye.right) - centre_x) * scale,
                    extent / 2.0 + (dot(at, eye.up) - centre_y) * scale, dot(at, eye.forward)};
        }
        // Counter-clockwise fronts, as in the game; y grows upwards here.
        const double area = (p[1].x - p[0].x) * (p[2].y - p[0].y) - (p[2].x - p[0].x) * (p[1].y - p[0].y);
        if (area <= 0.0) continue;
        const int x0 = std::max(0, static_cast<int>(std::floor(std::min({p[0].x, p[1].x, p[2].x}))));
        const int x1 = std::min(extent - 1, static_cast<int>(std::ceil(std::max({p[0].x, p[1].x, p[2].x}))));
        const int y0 = std::max(0, static_cast<int>(std::floor(std::min({p[0].y, p[1].y, p[2].y}))));
        const int y1 = std::min(extent - 1, static_cast<int>(std::ceil(std::max({p[0].y, p[1].y, p[2].y}))));
        for (int y = y0; y <= y1; ++y) {
            for (int x = x0; x <= x1; ++x) {
                const double px = x + 0.5, py = y + 0.5;
                double w[3];
                for (int k = 0; k < 3; ++k) {
                    const projected& a = p[(k + 1) % 3];
                    const projected& b = p[(k + 2) % 3];
                    w[k] = ((b.x - a.x) * (py - a.y) - (px - a.x) * (b.y - a.y)) / area;
                }
                if (w[0] < 0.0 || w[1] < 0.0 || w[2] < 0.0) continue;
                const double z = w[0] * p[0].depth + w[1] * p[1].depth + w[2] * p[2].depth;
                const std::size_t i = static_cast<std::size_t>(y) * extent + x;
                if (z >= depth[i]) continue;
                depth[i] = z;
                v2 t{0, 0};
                v3 normal{0, 0, 0};
                for (int k = 0; k < 3; ++k) {
                    t = {t.u + triangle[k].texcoord.u * w[k], t.v + triangle[k].texcoord.v * w[k]};
                    normal = normal + triangle[k].normal * w[k];
                }
                const double lit = 0.4 + 0.7 * std::max(0.0, dot(normalized(normal), light));
                colour[i] = sample(skin, t) * lit;
            }
        }
    }

    // Each pixel: the mean colour of the samples the robot covers, alpha the share it covers.
    std::vector<unsigned char> rgba(static_cast<std::size_t>(size) * size * 4);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            v3 sum{0, 0, 0};
            int covered = 0;
            for (int sy = 0; sy < samples; ++sy) {
                for (int sx = 0; sx < samples; ++sx) {
                    const std::size_t i = static_cast<std::size_t>(y * samples + sy) * extent + x * samples + sx;
                    if (depth[i] == std::numeric_limits<double>::infinity()) continue;
                    sum = sum + colour[i];
                    ++covered;
                }
            }
            unsigned char* out = &rgba[(static_cast<std::size_t>(y) * size + x) * 4];
            if (covered == 0) continue;  // fully transparent black
            const v3 mean = sum * (1.0 / covered);
            out[0] = static_cast<unsigned char>(round_clamped(mean.x * 255.0, 0, 255));
            out[1] = static_cast<unsigned char>(round_clamped(mean.y * 255.0, 0, 255));
            out[2] = static_cast<unsigned char>(round_clamped(mean.z * 255.0, 0, 255));
            out[3] = static_cast<unsigned char>(round_clamped(covered * 255.0 / (samples * samples), 0, 255));
        }
    }
    return rgba;
}

}  // namespace assets
