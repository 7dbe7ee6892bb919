#pragma once

#include "draw/simple_effect.hpp"

namespace draw {

// An effect that draws world geometry: depth-tested, back faces culled, with the camera, light,
// fog and water uniforms every such shader shares. Stopping it leaves depth test, multisampling
// and culling off, the state the full-screen passes expect.
class geometry_effect : public simple_effect {
public:
    void on_start() override;
    void on_stop() override;

    virtual void set_camera_position(const vec3& position);
    virtual void set_world_matrix(const mat4& matrix);
    virtual void set_view_matrix(const mat4& matrix);
    virtual void set_projection_matrix(const mat4& matrix);
    // projection * view
    virtual void set_view_projection_matrix(const mat4& matrix);
    virtual void set_ambient_light(const vec3& color);
    virtual void set_diffuse_light(const vec3& color);
    // `direction` is where the light travels; the shader receives the unit vector towards the
    // light, -normalize(direction).
    virtual void set_light_direction(const vec3& direction);
    virtual void set_fog_enabled(bool enabled);
    virtual void set_fog_color(const vec3& color);
    // Distances from the camera in world units.
    virtual void set_fog_start(float distance);
    virtual void set_fog_end(float distance);
    // Height (world z) of the water surface.
    virtual void set_water_level(float level);
    // True only while drawing the mirrored scene, which must lose everything below the water.
    virtual void set_water_clipping(bool enabled);

protected:
    using simple_effect::simple_effect;
    ~geometry_effect() = default;
};

} // namespace draw
