#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "check_support.hpp"

namespace {

bool power_of_two(int v) { return v > 0 && (v & (v - 1)) == 0; }

int difference(const assets::rgb& a, const assets::rgb& b) {
    return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b);
}

TEST(Textures, AreSmallPowerOfTwo24BitPictures) {
    for (std::string name : {"snow", "player", "enemy", "sky", "water_normals"}) {
        // read_bmp accepts only uncompressed bottom-up 24-bit files of the exact size
        auto image = assets::read_bmp(checks::asset("textures/" + name + ".bmp"));
        EXPECT_TRUE(power_of_two(image.width()) && power_of_two(image.height())) << name;
        EXPECT_GE(std::min(image.width(), image.height()), 128) << name;
        EXPECT_LE(std::max(image.width(), image.height()), 512) << name;
    }
}

// Across the wrap seam neighbouring pixels differ no more than neighbours inside the picture.
void expect_tiles(const std::string& name, bool vertically) {
    auto image = assets::read_bmp(checks::asset("textures/" + name + ".bmp"));
    const int w = image.width(), h = image.height();
    double seam = 0, inside = 0;
    for (int y = 0; y < h; ++y) {
        seam += difference(image.at(w - 1, y), image.at(0, y));
        inside += difference(image.at(w / 2 - 1, y), image.at(w / 2, y));
    }
    EXPECT_LE(seam, 2.0 * inside + h) << name << " left/right";
    if (!vertically) return;
    seam = inside = 0;
    for (int x = 0; x < w; ++x) {
        seam += difference(image.at(x, h - 1), image.at(x, 0));
        inside += difference(image.at(x, h / 2 - 1), image.at(x, h / 2));
    }
    EXPECT_LE(seam, 2.0 * inside + w) << name << " top/bottom";
}

TEST(Textures, RepeatingOnesTileSeamlessly) {
    expect_tiles("snow", true);
    expect_tiles("water_normals", true);
    expect_tiles("sky", false);  // wraps around the dome, never over the zenith
}

TEST(Textures, SnowHasVisibleDetailButStaysBright) {
    auto snow = assets::read_bmp(checks::asset("textures/snow.bmp"));
    int darkest = 255 * 3, brightest = 0;
    double blue_lead = 0;
    for (int y = 0; y < snow.height(); ++y)
        for (int x = 0; x < snow.width(); ++x) {
            const auto& p = snow.at(x, y);
            darkest = std::min(darkest, p.r + p.g + p.b);
            brightest = std::max(brightest, p.r + p.g + p.b);
            blue_lead += p.b - p.r;
        }
    EXPECT_GT(brightest - darkest, 60) << "flat snow hides the lighting";
    EXPECT_GT(darkest, 3 * 170);
    EXPECT_GT(blue_lead, 0) << "snow should lean blue-white";
}

TEST(Textures, WaterNormalsAreUnitAndPointMostlyUp) {
    auto normals = assets::read_bmp(checks::asset("textures/water_normals.bmp"));
    double tilt = 0;
    for (int y = 0; y < normals.height(); ++y)
        for (int x = 0; x < normals.width(); ++x) {
            const auto& p = normals.at(x, y);
            double nx = p.r / 127.5 - 1, ny = p.g / 127.5 - 1, nz = p.b / 127.5 - 1;
            ASSERT_NEAR(std::sqrt(nx * nx + ny * ny + nz * nz), 1.0, 0.03) << x << ", " << y;
            ASSERT_GT(nz, 0.8) << x << ", " << y;
            tilt += 1.0 - nz;
        }
    EXPECT_GT(tilt / (normals.width() * normals.height()), 0.002) << "no ripples at all";
}

}  // namespace
