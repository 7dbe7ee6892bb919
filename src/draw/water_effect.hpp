#pragma once

#include "draw/geometry_effect.hpp"

namespace draw {

// The water surface: one quad at "WaterLevel" around the camera, placed by the vertex shader from
// its corners alone (no world matrix), showing "ReflectionMap" (unit 0) distorted by "NormalMap"
// (unit 1). It is depth-tested against the scene, writes no depth and is alpha-blended over it.
class water_effect final : public geometry_effect {
public:
    explicit water_effect(content::manager& content);
    ~water_effect();

    void on_start() override;
    void on_stop() override;
    // Draws the quad through the "inPosition" attribute.
    void draw() override;

    // Where the ripples have drifted to, in normal-map texture coordinates before scaling.
    void set_ripple_offset(const vec2& offset);
    void set_ripple_scale(const float& scale);
    // Off: the water is opaque.
    void set_transparency_enabled(const bool& enabled);

    GLuint quad_buffer() const { return quad_buffer_; }

private:
    GLuint quad_buffer_;
};

} // namespace draw
