#include "draw/texture.hpp"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "base/exception.hpp"

namespace draw {

namespace {

// The next mipmap level of an RGBA picture: each texel the rounded mean of the 2x2 block above
// it, of one row or column where the picture above is one texel wide or high. Updates the size.
void half_size(const std::uint8_t* above, int& width, int& height, std::vector<std::uint8_t>& below)
{
    const int w = std::max(width / 2, 1);
    const int h = std::max(height / 2, 1);
    below.resize(std::size_t{4} * w * h);
    for (int y = 0; y < h; ++y) {
        const int y0 = std::min(2 * y, height - 1);
        const int y1 = std::min(2 * y + 1, height - 1);
        for (int x = 0; x < w; ++x) {
            const int x0 = std::min(2 * x, width - 1);
            const int x1 = std::min(2 * x + 1, width - 1);
            for (int c = 0; c < 4; ++c) {
                const auto at = [&](int u, int v) { return above[(std::size_t{4} * v * width + u * 4) + c]; };
                const int sum = at(x0, y0) + at(x1, y0) + at(x0, y1) + at(x1, y1);
                below[std::size_t{4} * (y * w + x) + c] = static_cast<std::uint8_t>((sum + 2) / 4);
            }
        }
    }
    width = w;
    height = h;
}

} // namespace

texture::texture(int width, int height, const void* pixels) : width_(width), height_(height)
{
    if (width < 0) {
        throw kalvanor::exception("Width must not be negative.");
    }
    if (height < 0) {
        throw kalvanor::exception("Height must not be negative.");
    }
    glGenTextures(1, &name_);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, name_);
    // RGBA rows are always a multiple of 4 bytes, so the default unpack alignment fits.
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
    if (pixels == nullptr || width == 0 || height == 0) {
        glGenerateMipmap(GL_TEXTURE_2D);
    } else {
        // The same 2x2 means that glGenerateMipmap takes, made here: Mesa's software renderer
        // compiles a blit shader for its first glGenerateMipmap, 75 ms of the game's start-up.
        const auto* above = static_cast<const std::uint8_t*>(pixels);
        std::vector<std::uint8_t> level;
        std::vector<std::uint8_t> smaller;
        int w = width;
        int h = height;
        for (GLint index = 1; w > 1 || h > 1; ++index) {
            half_size(above, w, h, smaller);
            glTexImage2D(GL_TEXTURE_2D, index, GL_RGBA, w, h, 0, GL_RGBA, GL_UNSIGNED_BYTE, smaller.data());
            level.swap(smaller);
            above = level.data();
        }
    }
    // Already the default; the terrain's texture coordinates run far past 1 and rely on it.
    // Filters are left alone: the debug controls choose them at draw time.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
}

texture::~texture() { glDeleteTextures(1, &name_); }

} // namespace draw
