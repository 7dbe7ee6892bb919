#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace draw {

// The text every shader file the game loads is compiled behind: this platform's GLSL version
// line (the files carry none), one "#define NAME 1" per name in `defines`, and a #line that keeps
// the driver's messages counting the file's own lines. A variant of a shader is the same file
// behind other defines; a build for a GLSL ES platform changes only this function.
std::string shader_preamble(const std::vector<std::string_view>& defines = {});

} // namespace draw
