#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "check_support.hpp"
#include "enemy_atlas.hpp"
#include "mesh_file.hpp"

namespace {

using assets::v3;

v3 face_normal(const std::vector<assets::corner>& t) {
    return assets::cross(t[1].position - t[0].position, t[2].position - t[0].position);
}

bool inside(const assets::uv_rect& r, assets::v2 t) {
    return t.u >= r.u0 - 1e-4 && t.u <= r.u1 + 1e-4 && t.v >= r.v0 - 1e-4 && t.v <= r.v1 + 1e-4;
}

TEST(Rabbot, StandsOnTheGroundAndIsAboutTwoUnitsInRadius) {
    auto mesh = assets::read_mesh(checks::asset("meshes/rabbot.txt"));
    EXPECT_GE(mesh.size(), 300u);
    EXPECT_LE(mesh.size(), 5000u);
    double low = 1e9, high = -1e9, radius = 0;
    for (const auto& t : mesh)
        for (const auto& c : t) {
            low = std::min(low, c.position.z);
            high = std::max(high, c.position.z);
            radius = std::max(radius, std::hypot(c.position.x, c.position.y));
        }
    // the game stands the mesh origin 0.8 above the terrain
    EXPECT_NEAR(low, -0.8, 1e-4);
    EXPECT_GT(high, 2.0);
    EXPECT_GT(radius, 1.6);
    EXPECT_LT(radius, 2.4);
}

TEST(Rabbot, TrianglesWindCounterClockwiseFromOutside) {
    auto mesh = assets::read_mesh(checks::asset("meshes/rabbot.txt"));
    // signed volume: positive only when the closed parts wind counter-clockwise seen from outside
    double volume = 0;
    for (const auto& t : mesh) {
        volume += assets::dot(t[0].position, assets::cross(t[1].position, t[2].position)) / 6.0;
        v3 n = face_normal(t);
        double area2 = std::sqrt(assets::dot(n, n));
        if (area2 < 1e-6) continue;  // slivers at sphere poles carry no direction
        for (const auto& c : t) {
            EXPECT_NEAR(std::sqrt(assets::dot(c.normal, c.normal)), 1.0, 2e-3);
            // the stored normal leans the same way as the winding
            EXPECT_GT(assets::dot(c.normal, n) / area2, 0.1);
        }
    }
    EXPECT_GT(volume, 3.0);
}

TEST(Rabbot, VisorLooksForwardAlongPlusY) {
    auto mesh = assets::read_mesh(checks::asset("meshes/rabbot.txt"));
    int visor_front = 0;
    for (const auto& t : mesh) {
        for (const auto& c : t) {
            ASSERT_TRUE(c.texcoord.u >= 0 && c.texcoord.u <= 1 && c.texcoord.v >= 0 && c.texcoord.v <= 1);
        }
        bool visor = std::all_of(t.begin(), t.end(), [](const auto& c) { return inside(assets::enemy_atlas::visor, c.texcoord); });
        v3 n = face_normal(t);
        if (visor && t[0].position.z > 1.2 && t[0].position.z < 2.2 && n.y > 0.9 * std::sqrt(assets::dot(n, n)))
            ++visor_front;
    }
    EXPECT_GE(visor_front, 2);
}

// The game's placement of the dome: scaled by 0.025 x (1.05 f, 1.05 f, f / 3), f = 50, centred
// 7 units below the eye.
v3 dome_from_eye(v3 p) { return {p.x * 1.3125, p.y * 1.3125, p.z * 50.0 / 120.0 - 7.0}; }

TEST(SkyDome, StaysInsideTheFarPlaneAndReachesBelowTheHorizon) {
    auto mesh = assets::read_mesh(checks::asset("meshes/skydome.txt"));
    double farthest = 0, lowest = 1e9, highest = -1e9;
    for (const auto& t : mesh)
        for (const auto& c : t) {
            v3 d = dome_from_eye(c.position);
            farthest = std::max(farthest, std::sqrt(assets::dot(d, d)));
            lowest = std::min(lowest, d.z);
            highest = std::max(highest, d.z);
        }
    EXPECT_LT(farthest, 49.0);
    EXPECT_GT(farthest, 40.0) << "a small dome shows its rim above the terrain";
    EXPECT_LT(lowest, -5.0);
    EXPECT_GT(highest, 5.0);
}

TEST(SkyDome, FacesInwardAndMeetsTheFogAtTheHorizon) {
    auto mesh = assets::read_mesh(checks::asset("meshes/skydome.txt"));
    auto sky = assets::read_bmp(checks::asset("textures/sky.bmp"));
    ASSERT_GT(mesh.size(), 100u);
    int rim_corners = 0;
    for (const auto& t : mesh) {
        v3 centroid = (t[0].position + t[1].position + t[2].position) * (1.0 / 3.0);
        EXPECT_LT(assets::dot(face_normal(t), centroid), 0.0) << "triangle faces away from the centre";
        for (const auto& c : t) {
            if (c.position.z > 1e-3) continue;
            // the material samples at texcoord x (-1) with repeat wrapping
            double u = -c.texcoord.u - std::floor(-c.texcoord.u), v = -c.texcoord.v - std::floor(-c.texcoord.v);
            const auto& p = sky.at(static_cast<int>(u * sky.width()) % sky.width(), static_cast<int>(v * sky.height()));
            ++rim_corners;
            // fog colour (0.8, 0.9, 0.95)
            EXPECT_NEAR(p.r, 204, 8);
            EXPECT_NEAR(p.g, 230, 8);
            EXPECT_NEAR(p.b, 242, 8);
        }
    }
    EXPECT_GT(rim_corners, 16);
}

}  // namespace
