#pragma once

#include "draw/geometry_effect.hpp"

namespace draw {

// The lit, fogged, shadowed material shader that draws every scene item. Textures go to fixed
// units: "DiffuseMap" 0, "EmissiveMap" 1, "ShadowMap" 2 (a depth texture with comparison on).
// The material setters also pick the variant of the shader that draws: the smallest that gives
// the material's colours, so that a surface pays only for the fetches it uses.
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
    // Also chooses variants without the shadow lookup while on.
    void set_water_clipping(bool enabled) override;
    // Whether what is drawn next can lie in a shadow (true until told otherwise). Where it
    // cannot, a variant without the shadow lookup draws it, as the lookup would find only light.
    void set_shadows_possible(bool possible);
    // Whether what is drawn next can lie farther than the fog's start from the camera (true
    // until told otherwise). Where it cannot, a variant without the fog draws it, as the fog
    // would leave its colours alone.
    void set_fog_possible(bool possible);

    // The variants, each for the materials it gives the same colours as the full shader for;
    // each comes with the fog and without it.
    enum class variant { any, unlit, lit, lit_glowing, lit_unshadowed, lit_glowing_unshadowed };
    // Which variant draws a material with these uniforms, with or without shadows.
    static variant variant_for(bool diffuse_map, const vec3& diffuse_color, bool emissive_map,
                               const vec3& emissive_color, bool shadows);

private:
    void choose_variant();

    // The material uniforms as last set, which choose the variant.
    bool diffuse_map_ = false;
    vec3 diffuse_color_{0.0f};
    bool emissive_map_ = false;
    vec3 emissive_color_{0.0f};
    bool water_clipping_ = false;
    bool shadows_possible_ = true;
    bool fog_possible_ = true;
};

} // namespace draw
