#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "bmp_file.hpp"

namespace {

constexpr double water_level = -3.4;

// The game's view of the height map: vertex (i, j) at (2i - (W - 1), 2j - (L - 1)), height
// 4 (red / 128 - 1), bilinear in between.
struct terrain {
    assets::picture map = assets::read_bmp(KALVANOR_ASSETS_DIR "/textures/map.bmp");
    double x(int i) const { return 2.0 * i - (map.width() - 1); }
    double y(int j) const { return 2.0 * j - (map.height() - 1); }
    double height(int i, int j) const { return 4.0 * (map.at(i, j).r / 128.0 - 1.0); }
};

TEST(HeightMap, StartAndSpawnPointsAreDryAllAround) {
    terrain t;
    // enemies are turned back beyond 80 units and the camera sees 50 units further
    EXPECT_GE(std::min(t.map.width(), t.map.height()), 128);
    const double points[][2] = {{20, 0},  {0, 0},    {36, 36}, {-36, 36}, {36, -36},
                                {-36, -36}, {50, 0}, {-50, 0}, {0, 50},   {0, -50}};
    // The robot drowns when the water (up to 0.1 above its level) is 0.2 above the ground: the
    // vertices of every cell within 6 units of a point keep a clear margin.
    for (const auto& p : points)
        for (int j = 0; j < t.map.height(); ++j)
            for (int i = 0; i < t.map.width(); ++i)
                if (std::fabs(t.x(i) - p[0]) < 8 && std::fabs(t.y(j) - p[1]) < 8) {
                    EXPECT_GT(t.height(i, j), water_level + 1.5) << "near " << p[0] << ", " << p[1];
                }
}

TEST(HeightMap, SeveralLakesInThePlayAreaAreDeeperThanTheWater) {
    terrain t;
    const int w = t.map.width(), h = t.map.height();
    std::vector<bool> seen(w * h, false);
    // the size of the lake of vertices below the lowest water level inside |x|, |y| < 60
    std::function<int(int, int)> fill = [&](int i, int j) {
        if (i < 0 || j < 0 || i >= w || j >= h || seen[j * w + i]) return 0;
        if (std::fabs(t.x(i)) >= 60 || std::fabs(t.y(j)) >= 60 || t.height(i, j) >= water_level - 0.1) return 0;
        seen[j * w + i] = true;
        return 1 + fill(i + 1, j) + fill(i - 1, j) + fill(i, j + 1) + fill(i, j - 1);
    };
    int big = 0;
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i)
            big += fill(i, j) >= 9 ? 1 : 0;  // a lake worth reflecting in covers at least 6 x 6 units
    EXPECT_GE(big, 3);
}

}  // namespace
