#pragma once

// Reading a texture's real contents and level sizes back from the driver, for GL tests.

#include <cstdint>
#include <vector>

#include "draw/gl.hpp"

namespace test {

// Level `level` of the 2D texture `name` in `format` (GL_RGBA or GL_RGB) as unsigned bytes,
// rows tightly packed in upload order (t = 0 first).
inline std::vector<std::uint8_t> texture_pixels(GLuint name, int level, GLenum format, int width, int height)
{
    const std::size_t channels = format == GL_RGB ? 3 : 4;
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width) * height * channels, 0xcd);
    glBindTexture(GL_TEXTURE_2D, name);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, level, format, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

// glGetTexLevelParameteriv for one level of the 2D texture `name`; 0 width for a missing level.
inline GLint texture_level_parameter(GLuint name, int level, GLenum which)
{
    GLint value = -1;
    glBindTexture(GL_TEXTURE_2D, name);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, which, &value);
    return value;
}

} // namespace test
