#pragma once

// Reading a texture's real contents and level sizes back from the driver, for GL tests.

#include <cstdint>
#include <vector>

#include "draw/gl.hpp"

namespace test {

// One level of a 2D texture in GL_RGBA or GL_RGB bytes, rows tightly packed in upload order.
inline std::vector<std::uint8_t> texture_pixels(GLuint name, int level, GLenum format, int width, int height)
{
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width) * height * (format == GL_RGB ? 3 : 4), 0xcd);
    glBindTexture(GL_TEXTURE_2D, name);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, level, format, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

// A level's width or height; 0 for a missing level.
inline GLint texture_level_parameter(GLuint name, int level, GLenum which)
{
    GLint value = -1;
    glBindTexture(GL_TEXTURE_2D, name);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, which, &value);
    return value;
}

} // namespace test
