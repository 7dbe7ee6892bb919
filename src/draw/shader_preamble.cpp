#include "draw/shader_preamble.hpp"

namespace draw {

std::string shader_preamble(const std::vector<std::string_view>& defines)
{
    // Desktop GL 3.3 core GLSL. GLSL ES 3.00 would need "#version 300 es" and default precision
    // lines for float and the samplers here instead.
    std::string text = "#version 330\n";
    for (const std::string_view name : defines) {
        text += "#define ";
        text += name;
        text += " 1\n";
    }
    text += "#line 1\n";
    return text;
}

} // namespace draw
