// kalvanor-preview-mesh: software rendering of a generated mesh, to look at it without the game.
//
//   kalvanor-preview-mesh MESH TEXTURE OUT.ppm [yaw pitch distance]   robot-style: lit, orbiting
//   kalvanor-preview-mesh --sky MESH TEXTURE OUT.ppm [yaw pitch]      from inside the sky dome
//
// Angles in degrees; yaw 0 looks along +y. Back faces are culled as in the game (counter-
// clockwise fronts), so a wrongly wound triangle shows as a hole. The sky mode places the dome
// as the game does (scaled by (1.3125, 1.3125, 0.41667), centre 7 units below the eye), samples
// at texcoord x (-1) and paints magenta wherever the dome lies beyond the far plane at 50.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <exception>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

#include "bmp_file.hpp"
#include "mesh_file.hpp"

using namespace assets;

namespace {

constexpr int width = 640, height = 480;

struct camera {
    v3 eye, right, up, forward;
    double focal;
};

camera look(v3 eye, double yaw_deg, double pitch_deg) {
    double yaw = yaw_deg * 3.14159265358979 / 180, pitch = pitch_deg * 3.14159265358979 / 180;
    v3 f{-std::sin(yaw) * std::cos(pitch), std::cos(yaw) * std::cos(pitch), std::sin(pitch)};
    v3 r = normalized(cross(f, {0, 0, 1}));
    return {eye, r, cross(r, f), f, (height / 2.0) / std::tan(30.0 * 3.14159265358979 / 180)};
}

struct rgbf {
    double r, g, b;
};

rgbf sample(const picture& tex, v2 t) {
    double u = t.u - std::floor(t.u), v = t.v - std::floor(t.v);
    const rgb& p = tex.at(static_cast<int>(u * tex.width()) % tex.width(), static_cast<int>(v * tex.height()) % tex.height());
    return {p.r / 255.0, p.g / 255.0, p.b / 255.0};
}

}  // namespace

int main(int argc, char** argv) {
    try {
        bool sky = argc > 1 && std::string(argv[1]) == "--sky";
        int a = sky ? 2 : 1;
        if (argc < a + 3) {
            std::fprintf(stderr, "usage: see the top of preview_mesh.cpp\n");
            return 2;
        }
        auto triangles = read_mesh(argv[a]);
        picture texture = read_bmp(argv[a + 1]);
        double yaw = argc > a + 3 ? std::atof(argv[a + 3]) : 30, pitch = argc > a + 4 ? std::atof(argv[a + 4]) : -20;
        double distance = argc > a + 5 ? std::atof(argv[a + 5]) : 7;
        camera cam;
        if (sky) {
            for (auto& t : triangles)
                for (auto& c : t) c.position = {c.position.x * 1.3125, c.position.y * 1.3125, c.position.z * 50.0 / 120.0 - 7.0};
            cam = look({0, 0, 0}, yaw, pitch);
        } else {
            v3 target{0, 0, 1.6};
            v3 f = look({}, yaw, pitch).forward;
            cam = look(target - f * distance, yaw, pitch);
        }
        std::vector<rgbf> image(width * height, sky ? rgbf{0.8, 0.9, 0.95} : rgbf{0.25, 0.25, 0.3});
        std::vector<double> depth(width * height, std::numeric_limits<double>::infinity());
        const v3 light = normalized({-0.4, -0.6, 0.7});
        for (const auto& t : triangles) {
            double sx[3], sy[3], iz[3];
            bool visible = true;
            for (int k = 0; k < 3; ++k) {
                v3 d = t[k].position - cam.eye;
                double z = dot(d, cam.forward);
                if (z < 0.1) visible = false;
                sx[k] = width / 2.0 + dot(d, cam.right) / z * cam.focal;
                sy[k] = height / 2.0 - dot(d, cam.up) / z * cam.focal;
                iz[k] = 1.0 / z;
            }
            // counter-clockwise on screen (y down) means negative area
            double area = (sx[1] - sx[0]) * (sy[2] - sy[0]) - (sx[2] - sx[0]) * (sy[1] - sy[0]);
            if (!visible || area >= 0) continue;
            int x0 = std::max(0, static_cast<int>(std::floor(std::min({sx[0], sx[1], sx[2]}))));
            int x1 = std::min(width - 1, static_cast<int>(std::ceil(std::max({sx[0], sx[1], sx[2]}))));
            int y0 = std::max(0, static_cast<int>(std::floor(std::min({sy[0], sy[1], sy[2]}))));
            int y1 = std::min(height - 1, static_cast<int>(std::ceil(std::max({sy[0], sy[1], sy[2]}))));
            for (int y = y0; y <= y1; ++y) {
                for (int x = x0; x <= x1; ++x) {
                    double px = x + 0.5, py = y + 0.5, w[3];
                    for (int k = 0; k < 3; ++k) {
                        int i = (k + 1) % 3, j = (k + 2) % 3;
                        w[k] = ((sx[j] - sx[i]) * (py - sy[i]) - (px - sx[i]) * (sy[j] - sy[i])) / area;
                    }
                    if (w[0] < 0 || w[1] < 0 || w[2] < 0) continue;
                    double inv = w[0] * iz[0] + w[1] * iz[1] + w[2] * iz[2];
                    double z = 1.0 / inv;
                    if (z >= depth[y * width + x]) continue;
                    depth[y * width + x] = z;
                    v2 uv{0, 0};
                    v3 n{0, 0, 0}, p{0, 0, 0};
                    for (int k = 0; k < 3; ++k) {
                        double f = w[k] * iz[k] * z;
                        uv = {uv.u + t[k].texcoord.u * f, uv.v + t[k].texcoord.v * f};
                        n = n + t[k].normal * f;
                        p = p + t[k].position * f;
                    }
                    rgbf c;
                    if (sky) {
                        c = sample(texture, {-uv.u, -uv.v});
                        if (std::sqrt(dot(p - cam.eye, p - cam.eye)) > 50.0) c = {1, 0, 1};
                    } else {
                        rgbf albedo = sample(texture, uv);
                        double lit = 0.35 + 0.75 * std::max(0.0, dot(normalized(n), light));
                        c = {albedo.r * lit, albedo.g * lit, albedo.b * lit};
                    }
                    image[y * width + x] = c;
                }
            }
        }
        FILE* out = std::fopen(argv[a + 2], "wb");
        if (!out) throw std::runtime_error(std::string("Cannot write ") + argv[a + 2]);
        std::fprintf(out, "P6 %d %d 255\n", width, height);
        for (const rgbf& c : image) {
            unsigned char bytes[3] = {static_cast<unsigned char>(std::min(1.0, c.r) * 255),
                                      static_cast<unsigned char>(std::min(1.0, c.g) * 255),
                                      static_cast<unsigned char>(std::min(1.0, c.b) * 255)};
            std::fwrite(bytes, 1, 3, out);
        }
        std::fclose(out);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
