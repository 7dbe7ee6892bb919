#include "solids.hpp"

#include "det_math.hpp"

namespace assets {

namespace {

// Quad origin, origin + u, origin + u + v, origin + v; faces along u x v.
void add_face(mesh_builder& mesh, v3 origin, v3 u, v3 v, const uv_rect& uv) {
    v3 n = normalized(cross(u, v));
    mesh.quad({origin, uv.at(0, 1), n}, {origin + u, uv.at(1, 1), n}, {origin + u + v, uv.at(1, 0), n},
              {origin + v, uv.at(0, 0), n});
}

}  // namespace

void add_box(mesh_builder& mesh, v3 lo, v3 hi, const uv_rect& uv) {
    const double dx = hi.x - lo.x, dy = hi.y - lo.y, dz = hi.z - lo.z;
    add_face(mesh, {hi.x, lo.y, lo.z}, {0, dy, 0}, {0, 0, dz}, uv);   // +x
    add_face(mesh, {lo.x, hi.y, lo.z}, {0, -dy, 0}, {0, 0, dz}, uv);  // -x
    add_face(mesh, {hi.x, hi.y, lo.z}, {-dx, 0, 0}, {0, 0, dz}, uv);  // +y
    add_face(mesh, {lo.x, lo.y, lo.z}, {dx, 0, 0}, {0, 0, dz}, uv);   // -y
    add_face(mesh, {lo.x, lo.y, hi.z}, {dx, 0, 0}, {0, dy, 0}, uv);   // +z
    add_face(mesh, {lo.x, hi.y, lo.z}, {dx, 0, 0}, {0, -dy, 0}, uv);  // -z
}

void add_cylinder(mesh_builder& mesh, v3 centre, v3 axis, double radius, double half_length, int segments,
                  const uv_rect& uv) {
    // e1 x e2 = axis, so increasing angles turn counter-clockwise seen from the +axis end
    v3 helper = axis.z * axis.z < 0.5 ? v3{0, 0, 1} : v3{1, 0, 0};
    v3 e1 = normalized(cross(helper, axis));
    v3 e2 = cross(axis, e1);
    v3 top = centre + axis * half_length;
    v3 bottom = centre - axis * half_length;
    auto radial = [&](int k) {
        double a = 2.0 * pi * k / segments;
        return e1 * det_cos(a) + e2 * det_sin(a);
    };
    const v2 middle = uv.at(0.5, 0.5);
    for (int k = 0; k < segments; ++k) {
        v3 r0 = radial(k), r1 = radial(k + 1);
        double s0 = static_cast<double>(k) / segments, s1 = static_cast<double>(k + 1) / segments;
        mesh.quad({bottom + r0 * radius, uv.at(s0, 1), r0}, {bottom + r1 * radius, uv.at(s1, 1), r1},
                  {top + r1 * radius, uv.at(s1, 0), r1}, {top + r0 * radius, uv.at(s0, 0), r0});
        // caps: the rim drawn into the rectangle as a circle
        auto cap_uv = [&](v3 r) {
            return uv.at(0.5 + 0.5 * dot(r, e1), 0.5 - 0.5 * dot(r, e2));
        };
        mesh.triangle({top, middle, axis}, {top + r0 * radius, cap_uv(r0), axis}, {top + r1 * radius, cap_uv(r1), axis});
        v3 down = axis * -1.0;
        mesh.triangle({bottom, middle, down}, {bottom + r1 * radius, cap_uv(r1), down},
                      {bottom + r0 * radius, cap_uv(r0), down});
    }
}

void add_sphere(mesh_builder& mesh, v3 centre, v3 radii, int rings, int segments, const uv_rect& uv) {
    auto unit = [&](int i, int k) {
        double polar = pi * i / rings, azimuth = 2.0 * pi * k / segments;
        double s = det_sin(polar);
        return v3{s * det_cos(azimuth), s * det_sin(azimuth), det_cos(polar)};
    };
    auto at = [&](int i, int k) {
        v3 d = unit(i, k);
        v3 p = centre + v3{d.x * radii.x, d.y * radii.y, d.z * radii.z};
        // the ellipsoid's normal is the gradient of its implicit form
        v3 n = normalized({d.x / radii.x, d.y / radii.y, d.z / radii.z});
        return corner{p, uv.at(static_cast<double>(k) / segments, static_cast<double>(i) / rings), n};
    };
    for (int i = 0; i < rings; ++i) {
        for (int k = 0; k < segments; ++k) {
            corner a = at(i + 1, k), b = at(i + 1, k + 1), c = at(i, k + 1), d = at(i, k);
            if (i == 0)
                mesh.triangle(a, b, c);
            else if (i == rings - 1)
                mesh.triangle(a, c, d);
            else
                mesh.quad(a, b, c, d);
        }
    }
}

}  // namespace assets
