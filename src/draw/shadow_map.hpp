#pragma once

#include <string>
#include <vector>

#include "draw/gl.hpp"
#include "draw/math.hpp"

struct scene;

namespace draw {

class camera_base;
struct sphere;

// Depth of the shadow casters seen from the directional light, 2048 x 2048, redrawn first in
// every frame. The light's box follows the camera: centred half a far distance ahead of the eye,
// a far distance wide. The texture has depth comparison on, so it is read through a shadow
// sampler.
//
// Unlike the effects it reads its two shaders straight from "assets/shaders/" below the working
// directory, and a failure to set up is fatal on the spot: it prints one line to standard output,
// waits for Enter when standard input is a terminal, and exits with status 255 (-1).
class shadow_map {
public:
    static constexpr int size = 2048;

    shadow_map();
    ~shadow_map();
    shadow_map(const shadow_map&) = delete;
    shadow_map& operator=(const shadow_map&) = delete;

    // The shadow pass. Reads the scene's light direction and the items that cast shadows. Leaves
    // the default framebuffer bound, no program in use, depth test on and the viewport at the
    // map's size; the caller has set the clear depth.
    void render_depth(const scene& scene, const camera_base& camera);

    GLuint depth_texture() const { return depth_texture_; }
    // Light projection * light view of the latest pass; the identity before the first.
    const mat4& depth_view_projection() const { return depth_view_projection_; }
    // Maps clip coordinates -1..1 to texture coordinates and depth 0..1.
    const mat4& bias_matrix() const { return bias_matrix_; }

private:
    // Texels [x0, x1) x [y0, y1) of the map; empty where x0 >= x1 or y0 >= y1.
    struct texel_box {
        int x0, y0, x1, y1;
    };
    // The texels a caster whose bounding sphere lies there in the world can cover in the map
    // of the latest light projection.
    texel_box cover_of(const sphere& world) const;

    // stage 0: vertex, 1: fragment; the name goes into the matching field.
    void load_shader(const std::string& path, int stage);
    void create_program();

    GLuint depth_texture_ = 0;
    GLuint framebuffer_ = 0;
    GLuint vertex_shader_ = 0;
    GLuint fragment_shader_ = 0;
    GLuint program_ = 0;
    GLint depth_mvp_location_ = -1;
    GLint position_location_ = -1;
    GLuint vertex_array_ = 0; // the shadow pass's own attribute state
    mat4 depth_view_projection_{1.0f};
    mat4 bias_matrix_{1.0f};
    // Where the latest pass may have left depths below 1, caster by caster: all of the map until
    // the first pass has cleared it. Keeps its capacity from frame to frame.
    std::vector<texel_box> written_{{0, 0, size, size}};
};

} // namespace draw
