#include "draw/fullscreen_effect.hpp"

namespace draw {

fullscreen_effect::fullscreen_effect(content::manager& content, const std::string& fragment_shader)
    : simple_effect(content, "shaders/fullscreen_vs.glsl", fragment_shader), quad_buffer_(create_quad_buffer())
{
}

fullscreen_effect::~fullscreen_effect() { glDeleteBuffers(1, &quad_buffer_); }

void fullscreen_effect::draw() { draw_quad("position", quad_buffer_); }

} // namespace draw
