#include "draw/blur_effect.hpp"

namespace draw {

blur_effect::blur_effect(content::manager& content) : fullscreen_effect(content, "shaders/blur_fs.glsl") {}

void blur_effect::set_step(const vec2& step) { set_uniform("step", step); }

} // namespace draw
