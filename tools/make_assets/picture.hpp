#pragma once
#include <cstdint>
#include <vector>

namespace assets {

struct rgb {
    std::uint8_t r = 0, g = 0, b = 0;
};

// An 8-bit RGB picture, row 0 at the top (the game uploads that row as texture t = 0 and reads it
// as the height map's min_y edge).
class picture {
public:
    picture(int width, int height) : width_(width), height_(height), pixels_(width * height) {}

    int width() const { return width_; }
    int height() const { return height_; }
    rgb& at(int x, int y) { return pixels_[y * width_ + x]; }
    const rgb& at(int x, int y) const { return pixels_[y * width_ + x]; }

private:
    int width_;
    int height_;
    std::vector<rgb> pixels_;
};

// Colour from floats in 0..1 (clamped, rounded).
rgb colour(double r, double g, double b);

}  // namespace assets
