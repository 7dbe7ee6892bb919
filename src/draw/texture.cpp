#include "draw/texture.hpp"

#include "base/exception.hpp"

namespace draw {

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
    glGenerateMipmap(GL_TEXTURE_2D);
    // Already the default; the terrain's texture coordinates run far past 1 and rely on it.
    // Filters are left alone: the debug controls choose them at draw time.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
}

texture::~texture() { glDeleteTextures(1, &name_); }

} // namespace draw
