#pragma once

// No GL here: reading, comparing and drawing the difference of pictures held in memory.

#include <string>
#include <vector>

namespace test {

// 8-bit RGBA pixels, rows bottom first as glReadPixels gives them.
struct picture {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgba;
};

// Reads a PNG file (any colour type libpng can turn into 8-bit RGBA) with its rows bottom first,
// the counterpart of snapshot::write_png. Throws std::runtime_error "Failed reading PATH: WHY.".
picture read_png(const std::string& path);

// How far `actual` is from `reference`, pixel by pixel. A pixel's difference is the largest of
// its red, green and blue differences (0-255); alpha is left out.
struct picture_difference {
    int largest = 0;      // of any pixel
    double mean = 0.0;    // over every pixel
    int over = 0;         // pixels whose difference exceeds the threshold given to compare
    // The reference in dim grey, with each pixel over the threshold in red (brighter the more it
    // differs) and each other differing pixel in dark yellow: where to look.
    std::vector<unsigned char> map;
};

// Both pictures must have the same size; a pixel counts in `over` when its difference exceeds
// `threshold`.
picture_difference compare(const picture& actual, const picture& reference, int threshold);

} // namespace test
