#include "draw/basic_effect.hpp"

namespace draw {

basic_effect::basic_effect(content::manager& content)
    : geometry_effect(content, "shaders/basic_vs.glsl", "shaders/basic_fs.glsl")
{
}

void basic_effect::on_start()
{
    geometry_effect::on_start();
    // Clipping in the rasteriser rather than discarding fragments: much cheaper on software
    // renderers, and harmless outside the reflection since the distance is then positive.
    glEnable(GL_CLIP_DISTANCE0);
}

void basic_effect::on_stop()
{
    geometry_effect::on_stop();
    // Other programs do not write the clip distance, which would leave their clipping undefined.
    glDisable(GL_CLIP_DISTANCE0);
}

void basic_effect::set_diffuse_color(const vec3& color) { set_uniform("DiffuseColor", color); }

void basic_effect::set_diffuse_map_enabled(bool enabled) { set_uniform("DiffuseMapEnabled", enabled); }

void basic_effect::set_emissive_color(const vec3& color) { set_uniform("EmissiveColor", color); }

void basic_effect::set_emissive_map_enabled(bool enabled) { set_uniform("EmissiveMapEnabled", enabled); }

void basic_effect::set_texcoord_scale(float scale) { set_uniform("TexcoordScale", scale); }

void basic_effect::set_depth_bias_mvp(const mat4& matrix) { set_uniform("DepthBiasMVP", matrix); }

} // namespace draw
