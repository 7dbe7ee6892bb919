#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "mesh_file.hpp"

namespace {

using assets::v3;

TEST(Rabbot, StandsOnTheGroundIsAboutTwoUnitsInRadiusAndWindsCounterClockwise) {
    const auto mesh = assets::read_mesh(KALVANOR_ASSETS_DIR "/meshes/rabbot.txt");
    EXPECT_GE(mesh.size(), 300u);
    EXPECT_LE(mesh.size(), 5000u);
    double low = 1e9, high = -1e9, radius = 0, volume = 0;
    for (const auto& t : mesh) {
        // signed volume: positive only when the closed parts wind counter-clockwise seen from outside
        volume += assets::dot(t[0].position, assets::cross(t[1].position, t[2].position)) / 6.0;
        const v3 n = assets::cross(t[1].position - t[0].position, t[2].position - t[0].position);
        const double area2 = std::sqrt(assets::dot(n, n));
        for (const auto& c : t) {
            low = std::min(low, c.position.z);
            high = std::max(high, c.position.z);
            radius = std::max(radius, std::hypot(c.position.x, c.position.y));
            EXPECT_NEAR(std::sqrt(assets::dot(c.normal, c.normal)), 1.0, 2e-3);
            // the stored normal leans the same way as the winding; slivers at sphere poles carry
            // no direction
            if (area2 >= 1e-6) {
                EXPECT_GT(assets::dot(c.normal, n) / area2, 0.1);
            }
        }
    }
    // the game stands the mesh origin 0.8 above the terrain
    EXPECT_NEAR(low, -0.8, 1e-4);
    EXPECT_GT(high, 2.0);
    EXPECT_GT(radius, 1.6);
    EXPECT_LT(radius, 2.4);
    EXPECT_GT(volume, 3.0);
}

TEST(SkyDome, StaysInsideTheFarPlaneReachesBelowTheHorizonAndFacesInward) {
    const auto mesh = assets::read_mesh(KALVANOR_ASSETS_DIR "/meshes/skydome.txt");
    ASSERT_GT(mesh.size(), 100u);
    double farthest = 0, lowest = 1e9, highest = -1e9;
    for (const auto& t : mesh) {
        const v3 centroid = (t[0].position + t[1].position + t[2].position) * (1.0 / 3.0);
        const v3 n = assets::cross(t[1].position - t[0].position, t[2].position - t[0].position);
        EXPECT_LT(assets::dot(n, centroid), 0.0) << "triangle faces away from the centre";
        for (const auto& c : t) {
            // The game's placement of the dome: scaled by 0.025 x (1.05 f, 1.05 f, f / 3), f = 50,
            // centred 7 units below the eye.
            const v3 d{c.position.x * 1.3125, c.position.y * 1.3125, c.position.z * 50.0 / 120.0 - 7.0};
            farthest = std::max(farthest, std::sqrt(assets::dot(d, d)));
            lowest = std::min(lowest, d.z);
            highest = std::max(highest, d.z);
        }
    }
    EXPECT_LT(farthest, 49.0);
    EXPECT_GT(farthest, 40.0) << "a small dome shows its rim above the terrain";
    EXPECT_LT(lowest, -5.0);
    EXPECT_GT(highest, 5.0);
}

}  // namespace
