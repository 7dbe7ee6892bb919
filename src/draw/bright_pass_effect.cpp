#include "draw/bright_pass_effect.hpp"

namespace draw {

bright_pass_effect::bright_pass_effect(content::manager& content) : fullscreen_effect(content, "shaders/bright_pass_fs.glsl") {}

} // namespace draw
