#include "draw/shader_preamble.hpp"

#include "draw/gl_platform.hpp"

namespace draw {

std::string shader_preamble(const std::vector<std::string_view>& defines)
{
    std::string text(glsl_version_lines());
    for (const std::string_view name : defines) {
        text += "#define ";
        text += name;
        text += " 1\n";
    }
    text += "#line 1\n";
    return text;
}

} // namespace draw
