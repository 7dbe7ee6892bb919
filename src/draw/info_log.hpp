#pragma once

#include <string>
#include <vector>

#include "draw/gl.hpp"

namespace draw {

// The driver's log of a shader or program (glGetShaderiv/glGetShaderInfoLog or the program pair)
// up to its first zero character. A length of 0 (no log at all) gives "".
template <typename GetLength, typename GetLog>
std::string info_log(GLuint object, GetLength get_length, GetLog get_log)
{
    GLint length = 0;
    get_length(object, GL_INFO_LOG_LENGTH, &length);
    if (length <= 0) {
        return std::string();
    }
    std::vector<GLchar> log(static_cast<std::size_t>(length) + 1, '\0');
    get_log(object, length, nullptr, log.data());
    return std::string(log.data());
}

} // namespace draw
