#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace kalvanor {

// An RGBA picture, 4 bytes per pixel in the order red, green, blue, alpha, stored row by row
// with row 0 at the top: pixel (x, y) is element y * width + x.
class image {
public:
    using pixel = std::array<std::uint8_t, 4>;

    // Throws "Width must be positive." / "Height must be positive." (width checked first).
    image(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }

    // Throw "X out of bounds." / "Y out of bounds." (x checked first).
    pixel& at(int x, int y);
    const pixel& at(int x, int y) const;

    // width * height pixels, ready for glTexImage2D with GL_RGBA / GL_UNSIGNED_BYTE.
    const std::uint8_t* data() const { return pixels_.front().data(); }

private:
    void check(int x, int y) const;

    std::vector<pixel> pixels_;
    int width_;
    int height_;
};

} // namespace kalvanor
