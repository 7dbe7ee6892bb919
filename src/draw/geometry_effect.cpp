#include "draw/geometry_effect.hpp"

#include "draw/gl_platform.hpp"

namespace draw {

void geometry_effect::on_start()
{
    simple_effect::on_start();
    glEnable(GL_DEPTH_TEST);
    set_multisample(true);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
}

void geometry_effect::on_stop()
{
    // The program stays in use.
    glDisable(GL_DEPTH_TEST);
    set_multisample(false);
    glDisable(GL_CULL_FACE);
}

void geometry_effect::set_camera_position(const vec3& position) { set_uniform("CameraPosition", position); }

void geometry_effect::set_world_matrix(const mat4& matrix) { set_uniform("WorldMatrix", matrix); }

void geometry_effect::set_view_matrix(const mat4& matrix) { set_uniform("ViewMatrix", matrix); }

void geometry_effect::set_projection_matrix(const mat4& matrix) { set_uniform("ProjectionMatrix", matrix); }

void geometry_effect::set_view_projection_matrix(const mat4& matrix) { set_uniform("ViewProjectionMatrix", matrix); }

void geometry_effect::set_ambient_light(const vec3& color) { set_uniform("AmbientLight", color); }

void geometry_effect::set_diffuse_light(const vec3& color) { set_uniform("DiffuseLight", color); }

void geometry_effect::set_light_direction(const vec3& direction)
{
    set_uniform("LightVector", -glm::normalize(direction));
}

void geometry_effect::set_fog_enabled(bool enabled) { set_uniform("FogEnabled", enabled); }

void geometry_effect::set_fog_color(const vec3& color) { set_uniform("FogColor", color); }

void geometry_effect::set_fog_start(float distance) { set_uniform("FogStart", distance); }

void geometry_effect::set_fog_end(float distance) { set_uniform("FogEnd", distance); }

void geometry_effect::set_water_level(float level) { set_uniform("WaterLevel", level); }

void geometry_effect::set_water_clipping(bool enabled) { set_uniform("WaterClipping", enabled); }

} // namespace draw
