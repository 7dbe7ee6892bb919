#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "check_support.hpp"

namespace {

constexpr double water_level = -3.4;

checks::terrain load_terrain() { return checks::terrain(assets::read_bmp(checks::asset("textures/map.bmp"))); }

TEST(HeightMap, IsGreyAndCoversThePatrolArea) {
    auto map = assets::read_bmp(checks::asset("textures/map.bmp"));
    checks::terrain t(map);
    // enemies are turned back beyond 80 units and the camera sees 50 units further
    EXPECT_GE(t.columns(), 128);
    EXPECT_GE(t.rows(), 128);
    for (int j = 0; j < map.height(); ++j)
        for (int i = 0; i < map.width(); ++i) {
            const auto& p = map.at(i, j);
            ASSERT_TRUE(p.r == p.g && p.g == p.b) << "pixel " << i << ", " << j;
        }
}

TEST(HeightMap, StartSpawnPointsAndCentreAreDryAllAround) {
    auto t = load_terrain();
    const double points[][2] = {{20, 0},  {0, 0},    {36, 36}, {-36, 36}, {36, -36},
                                {-36, -36}, {50, 0}, {-50, 0}, {0, 50},   {0, -50}};
    // the robot drowns when the water (up to 0.1 above its level) is 0.2 above the ground;
    // keep a clear margin over several units around each point
    for (const auto& p : points)
        for (double dy = -6; dy <= 6; dy += 0.5)
            for (double dx = -6; dx <= 6; dx += 0.5)
                EXPECT_GT(t.sample(p[0] + dx, p[1] + dy), water_level + 1.5)
                    << "near (" << p[0] << ", " << p[1] << ") at offset (" << dx << ", " << dy << ")";
}

TEST(HeightMap, SeveralLakesInThePlayAreaAreDeeperThanTheWater) {
    auto t = load_terrain();
    // flood fill the vertices below the lowest water level inside |x|, |y| < 60
    const double lowest_water = water_level - 0.1;
    std::vector<int> lake(t.columns() * t.rows(), -1);
    auto wet = [&](int i, int j) {
        return std::fabs(t.x_of(i)) < 60 && std::fabs(t.y_of(j)) < 60 && t.vertex(i, j) < lowest_water;
    };
    std::vector<int> sizes;
    for (int j = 0; j < t.rows(); ++j)
        for (int i = 0; i < t.columns(); ++i) {
            if (!wet(i, j) || lake[j * t.columns() + i] >= 0) continue;
            int id = static_cast<int>(sizes.size()), size = 0;
            std::vector<std::pair<int, int>> todo{{i, j}};
            lake[j * t.columns() + i] = id;
            while (!todo.empty()) {
                auto [a, b] = todo.back();
                todo.pop_back();
                ++size;
                const std::pair<int, int> steps[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
                for (auto [da, db] : steps) {
                    int na = a + da, nb = b + db;
                    if (na < 0 || nb < 0 || na >= t.columns() || nb >= t.rows()) continue;
                    if (!wet(na, nb) || lake[nb * t.columns() + na] >= 0) continue;
                    lake[nb * t.columns() + na] = id;
                    todo.push_back({na, nb});
                }
            }
            sizes.push_back(size);
        }
    // a lake worth reflecting in covers at least 6 x 6 units (9 vertices)
    auto big = std::count_if(sizes.begin(), sizes.end(), [](int s) { return s >= 9; });
    EXPECT_GE(big, 3);
}

TEST(HeightMap, SlopesStayGentle) {
    auto t = load_terrain();
    double steepest = 0;
    for (int j = 0; j + 1 < t.rows(); ++j)
        for (int i = 0; i + 1 < t.columns(); ++i) {
            steepest = std::max(steepest, std::fabs(t.vertex(i + 1, j) - t.vertex(i, j)) / 2.0);
            steepest = std::max(steepest, std::fabs(t.vertex(i, j + 1) - t.vertex(i, j)) / 2.0);
        }
    EXPECT_LT(steepest, 0.6);
    EXPECT_GT(steepest, 0.05) << "a flat map has no hills";
}

}  // namespace
