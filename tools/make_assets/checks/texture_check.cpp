#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "bmp_file.hpp"

namespace {

bool power_of_two(int v) { return v > 0 && (v & (v - 1)) == 0; }

// Textures the game repeats must not show their seams: across the wrap, neighbouring pixels
// differ no more than neighbours inside the picture.
TEST(Textures, AreSmallPowerOfTwo24BitPicturesAndTileWhereTheyRepeat) {
    const struct {
        const char* name;
        bool across, down;
    } textures[] = {{"snow", true, true}, {"water_normals", true, true},
                    {"sky", true, false},  // wraps around the dome, never over the zenith
                    {"player", false, false}, {"enemy", false, false}};
    for (const auto& texture : textures) {
        SCOPED_TRACE(texture.name);
        // read_bmp accepts only uncompressed bottom-up 24-bit files of the exact size
        const auto image = assets::read_bmp(KALVANOR_ASSETS_DIR "/textures/" + std::string(texture.name) + ".bmp");
        const int w = image.width(), h = image.height();
        EXPECT_TRUE(power_of_two(w) && power_of_two(h));
        EXPECT_GE(std::min(w, h), 128);
        EXPECT_LE(std::max(w, h), 512);
        const auto difference = [&](int x0, int y0, int x1, int y1) {
            const auto &a = image.at(x0, y0), &b = image.at(x1, y1);
            return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b);
        };
        double seam[2] = {0, 0}, inside[2] = {0, 0};
        for (int y = 0; y < h; ++y) {
            seam[0] += difference(w - 1, y, 0, y);
            inside[0] += difference(w / 2 - 1, y, w / 2, y);
        }
        for (int x = 0; x < w; ++x) {
            seam[1] += difference(x, h - 1, x, 0);
            inside[1] += difference(x, h / 2 - 1, x, h / 2);
        }
        if (texture.across) {
            EXPECT_LE(seam[0], 2.0 * inside[0] + h) << "left/right";
        }
        if (texture.down) {
            EXPECT_LE(seam[1], 2.0 * inside[1] + w) << "top/bottom";
        }
    }
}

}  // namespace
