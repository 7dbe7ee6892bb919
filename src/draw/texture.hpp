#pragma once

#include "draw/gl.hpp"

namespace draw {

// A 2D RGBA texture with a full mipmap chain, made once from a picture and never changed.
class texture {
public:
    // `pixels` holds width * height RGBA bytes, top row first (the kalvanor::image layout); that
    // row becomes t = 0. It may be null, and a 0 x 0 texture is accepted. Throws
    // "Width must not be negative." / "Height must not be negative." (width checked first).
    // The texture is left bound to unit 0.
    texture(int width, int height, const void* pixels);
    ~texture();
    texture(const texture&) = delete;
    texture& operator=(const texture&) = delete;

    GLuint name() const { return name_; }
    int width() const { return width_; }
    int height() const { return height_; }

private:
    GLuint name_ = 0;
    int width_;
    int height_;
};

} // namespace draw
