#pragma once

#include "draw/geometry_effect.hpp"

namespace draw {

// The lit, fogged, shadowed material shader that draws every scene item. Textures go to fixed
// units: "DiffuseMap" 0, "EmissiveMap" 1, "ShadowMap" 2 (a depth texture with comparison on).
class basic_effect final : public geometry_effect {
public:
    explicit basic_effect(content::manager& content);

    // Also enables GL_CLIP_DISTANCE0, which the vertex shader always writes: positive (keep)
    // unless water clipping is on, then the height above the water. Stopping disables it again.
    void on_start() override;
    void on_stop() override;

    void set_diffuse_color(const vec3& color);
    // Whether "DiffuseMap" replaces the diffuse colour.
    void set_diffuse_map_enabled(bool enabled);
    void set_emissive_color(const vec3& color);
    // Whether "EmissiveMap" adds to the emissive colour.
    void set_emissive_map_enabled(bool enabled);
    // Both maps are sampled at the texture coordinate times this.
    void set_texcoord_scale(float scale);
    // bias * light projection * light view: world position to shadow-map texture coordinates
    // and depth, all in 0..1.
    void set_depth_bias_mvp(const mat4& matrix);
};

} // namespace draw
