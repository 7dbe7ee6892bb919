#include "draw/water_effect.hpp"

namespace draw {

water_effect::water_effect(content::manager& content)
    : geometry_effect(content, "shaders/water_vs.glsl", "shaders/water_fs.glsl"), quad_buffer_(create_quad_buffer())
{
}

water_effect::~water_effect() { glDeleteBuffers(1, &quad_buffer_); }

void water_effect::on_start()
{
    geometry_effect::on_start();
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDepthMask(GL_FALSE);
}

void water_effect::on_stop()
{
    glDisable(GL_BLEND);
    glDepthMask(GL_TRUE);
    geometry_effect::on_stop();
}

void water_effect::draw() { draw_quad("inPosition", quad_buffer_); }

void water_effect::set_ripple_offset(const vec2& offset) { set_uniform("RippleOffset", offset); }

void water_effect::set_ripple_scale(const float& scale) { set_uniform("RippleScale", scale); }

void water_effect::set_transparency_enabled(const bool& enabled) { set_uniform("TransparencyEnabled", enabled); }

} // namespace draw
