#include <cmath>

#include "det_math.hpp"
#include "meshes.hpp"

namespace assets {

mesh_builder make_skydome() {
    constexpr int rings = 16;     // zenith to rim
    constexpr int segments = 32;  // around
    constexpr double wraps = 2.0;
    // keep clear of the picture's first and last rows: with repeat wrapping, filtering there
    // would mix the zenith blue into the horizon
    constexpr double t_zenith = 2.0 / 256.0, t_rim = 1.0 - 3.0 / 256.0;
    // The picture's rows follow the elevation seen from the eye, not the dome's own angle: the
    // eye sits 7 units above the dome's centre and the dome is flattened, so most of the sky
    // seen above the horizon lies in the dome's upper half. t = 1 - sin(elevation); everything
    // at or below the eye's horizon takes the rim row, the fog colour.
    const v3 scale{1.3125, 1.3125, 50.0 / 120.0};
    const double eye_height = 7.0;
    auto at = [&](int i, int k) {
        double polar = 0.5 * pi * i / rings, azimuth = 2.0 * pi * k / segments;
        double s = det_sin(polar);
        v3 d{s * det_cos(azimuth), s * det_sin(azimuth), det_cos(polar)};
        v3 p = d * skydome_radius;
        v3 seen{p.x * scale.x, p.y * scale.y, p.z * scale.z - eye_height};
        double sin_elevation = seen.z / std::sqrt(dot(seen, seen));
        double t = sin_elevation <= 0.0 ? t_rim : lerp(t_zenith, t_rim, 1.0 - sin_elevation);
        v2 picture{wraps * k / segments, t};
        return corner{p, {-picture.u, -picture.v}, d * -1.0};
    };
    mesh_builder mesh;
    for (int i = 0; i < rings; ++i) {
        for (int k = 0; k < segments; ++k) {
            // a, b, c, d run counter-clockwise seen from outside; listed backwards they face in
            corner a = at(i + 1, k), b = at(i + 1, k + 1), c = at(i, k + 1), d = at(i, k);
            if (i == 0) {
                mesh.triangle(a, c, b);
            } else {
                mesh.triangle(a, d, c);
                mesh.triangle(a, c, b);
            }
        }
    }
    return mesh;
}

}  // namespace assets
