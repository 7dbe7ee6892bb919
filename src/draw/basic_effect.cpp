#include "draw/basic_effect.hpp"

namespace draw {

namespace {

// The material kinds, in the order of basic_effect::variant.
const std::vector<std::vector<std::string_view>> kinds = {
    {"LIGHTING", "SHADOWS", "EMISSIVE", "EMISSIVE_MAP"}, // any material
    {"EMISSIVE", "EMISSIVE_MAP"},                        // unlit: the sky
    {"LIGHTING", "SHADOWS"},                             // lit: the ground, the robots
    {"LIGHTING", "SHADOWS", "EMISSIVE"},                 // lit and glowing: the health lights, the beam
    {"LIGHTING"},                                        // lit where no shadow falls
    {"LIGHTING", "EMISSIVE"},                            // lit and glowing where no shadow falls
};

// The variants of the shader files: every kind with the fog, then every kind again without it.
std::vector<std::vector<std::string_view>> variant_defines()
{
    std::vector<std::vector<std::string_view>> variants;
    for (const auto& kind : kinds) {
        variants.push_back(kind);
        variants.back().push_back("FOG");
    }
    variants.insert(variants.end(), kinds.begin(), kinds.end());
    return variants;
}


} // namespace

basic_effect::basic_effect(content::manager& content)
    : geometry_effect(content, "shaders/basic_vs.glsl", "shaders/basic_fs.glsl", variant_defines())
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

void basic_effect::set_diffuse_color(const vec3& color)
{
    set_uniform("DiffuseColor", color);
    diffuse_color_ = color;
    choose_variant();
}

void basic_effect::set_diffuse_map_enabled(bool enabled)
{
    set_uniform("DiffuseMapEnabled", enabled);
    diffuse_map_ = enabled;
    choose_variant();
}

void basic_effect::set_emissive_color(const vec3& color)
{
    set_uniform("EmissiveColor", color);
    emissive_color_ = color;
    choose_variant();
}

void basic_effect::set_emissive_map_enabled(bool enabled)
{
    set_uniform("EmissiveMapEnabled", enabled);
    emissive_map_ = enabled;
    choose_variant();
}

void basic_effect::set_water_clipping(bool enabled)
{
    geometry_effect::set_water_clipping(enabled);
    water_clipping_ = enabled;
    choose_variant();
}

void basic_effect::set_shadows_possible(bool possible)
{
    check_started();
    shadows_possible_ = possible;
    choose_variant();
}

void basic_effect::set_fog_possible(bool possible)
{
    check_started();
    fog_possible_ = possible;
    choose_variant();
}

void basic_effect::set_texcoord_scale(float scale) { set_uniform("TexcoordScale", scale); }

void basic_effect::set_depth_bias_mvp(const mat4& matrix) { set_uniform("DepthBiasMVP", matrix); }

basic_effect::variant basic_effect::variant_for(bool diffuse_map, const vec3& diffuse_color, bool emissive_map,
                                                const vec3& emissive_color, bool shadows)
{
    if (emissive_map) {
        // The full shader lights nothing without a colour of its own.
        return !diffuse_map && diffuse_color == vec3(0.0f) ? variant::unlit : variant::any;
    }
    if (emissive_color == vec3(0.0f)) {
        return shadows ? variant::lit : variant::lit_unshadowed;
    }
    return shadows ? variant::lit_glowing : variant::lit_glowing_unshadowed;
}

void basic_effect::choose_variant()
{
    // The mirror image takes no shadows: the shader skips the lookup while it clips.
    const bool shadows = shadows_possible_ && !water_clipping_;
    select_variant(static_cast<std::size_t>(
                       variant_for(diffuse_map_, diffuse_color_, emissive_map_, emissive_color_, shadows)) +
                   (fog_possible_ ? 0 : kinds.size()));
}

} // namespace draw
