#include "draw/shadow_map.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>

#include <unistd.h>

#include "draw/camera_base.hpp"
#include "draw/culling.hpp"
#include "draw/geometry.hpp"
#include "draw/info_log.hpp"
#include "draw/shader_preamble.hpp"
#include "scene/scene.hpp"

namespace draw {

namespace {

// Set-up failures of the shadow map end the game on the spot, after the player has had a
// chance to read the console. Only an interactive console is waited for, so a run without
// one (tests, scripts) never hangs.
[[noreturn]] void fail(const std::string& message)
{
    std::cout << message << std::endl;
    if (isatty(STDIN_FILENO) != 0) {
        // The prompt goes to stderr so standard output carries only the failure's own lines.
        std::cerr << "Press Enter to continue . . ." << std::endl;
        std::string line;
        std::getline(std::cin, line);
    }
    std::exit(-1);
}

} // namespace

shadow_map::shadow_map()
{
    load_shader("assets/shaders/shadow_mapping_vs.glsl", 0);
    load_shader("assets/shaders/shadow_mapping_fs.glsl", 1);
    create_program();
    // Looked up once: every caster of every frame sets the same two.
    depth_mvp_location_ = glGetUniformLocation(program_, "depthMVP");
    position_location_ = glGetAttribLocation(program_, "vertexPosition_modelspace");
    glGenVertexArrays(1, &vertex_array_);

    glGenFramebuffers(1, &framebuffer_);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);

    glGenTextures(1, &depth_texture_);
    glBindTexture(GL_TEXTURE_2D, depth_texture_);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_DEPTH_COMPONENT24, size, size, 0, GL_DEPTH_COMPONENT, GL_UNSIGNED_INT,
                 nullptr);
    // Linear filtering of a comparison sampler blends four comparisons: a soft edge for one fetch.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_COMPARE_MODE, GL_COMPARE_REF_TO_TEXTURE);

    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_TEXTURE_2D, depth_texture_, 0);
    const GLenum no_colour = GL_NONE;
    glDrawBuffers(1, &no_colour);
    glReadBuffer(GL_NONE);
    if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
        fail("Failed to initialize FBO!");
    }
    glBindTexture(GL_TEXTURE_2D, 0);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);

    bias_matrix_ = mat4(vec4(0.5f, 0.0f, 0.0f, 0.0f), vec4(0.0f, 0.5f, 0.0f, 0.0f), vec4(0.0f, 0.0f, 0.5f, 0.0f),
                        vec4(0.5f, 0.5f, 0.5f, 1.0f));
}

shadow_map::~shadow_map()
{
    glDeleteFramebuffers(1, &framebuffer_);
    glDeleteTextures(1, &depth_texture_);
    glDeleteProgram(program_);
    glDeleteShader(vertex_shader_);
    glDeleteShader(fragment_shader_);
    glDeleteVertexArrays(1, &vertex_array_);
}

void shadow_map::load_shader(const std::string& path, int stage)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        fail("Failed to open shader file: " + path);
    }
    const std::string source =
        shader_preamble() + std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    file.close();

    if (stage != 0 && stage != 1) {
        fail("Failed to open shader file: Wrong shadowType");
    }
    GLuint& shader = stage == 0 ? vertex_shader_ : fragment_shader_;
    shader = glCreateShader(stage == 0 ? GL_VERTEX_SHADER : GL_FRAGMENT_SHADER);
    if (shader == 0) {
        fail("Failed to create shader");
    }
    const GLchar* text = source.c_str();
    glShaderSource(shader, 1, &text, nullptr);
    glCompileShader(shader);
    GLint status = 0;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &status);
    if (status != 0 && glIsShader(shader) == GL_TRUE) {
        return;
    }
    fail("Failed to compile shader\n" + info_log(shader, glGetShaderiv, glGetShaderInfoLog));
}

void shadow_map::create_program()
{
    program_ = glCreateProgram();
    if (program_ == 0) {
        fail("Failed to create shader program");
    }
    glAttachShader(program_, vertex_shader_);
    glAttachShader(program_, fragment_shader_);
    glLinkProgram(program_);
    GLint status = 0;
    glGetProgramiv(program_, GL_LINK_STATUS, &status);
    if (status == 0) {
        fail("Failed to link shader program\n" + info_log(program_, glGetProgramiv, glGetProgramInfoLog));
    }
}

void shadow_map::render_depth(const scene& scene, const camera_base& camera)
{
    const float half = camera.far_distance() * 0.5f;
    const vec3 center = camera.eye_position() + camera.direction() * half;
    // Not normalised: the light's eye sits back from the centre by the light vector itself.
    const vec3 eye = center - scene.light_direction;
    const mat4 view = look_at(eye, center, vec3(0.0f, 1.0f, 0.0f));
    // The box reaches from 40 units behind the light's eye to 60 in front of it.
    const mat4 projection = ortho(-half, half, -half, half, -40.0f, 60.0f);
    depth_view_projection_ = projection * view;

    glUseProgram(program_);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
    // Outside what the last pass wrote the map still holds the clear depth, so only those parts
    // are cleared: the map then reads as if cleared whole, at a fraction of the cost, as the
    // casters cover a small part of it. A software renderer clears by writing every texel, a
    // millisecond a frame for the whole map.
    glEnable(GL_SCISSOR_TEST);
    for (const texel_box& stale : written_) {
        glScissor(stale.x0, stale.y0, stale.x1 - stale.x0, stale.y1 - stale.y0);
        glClear(GL_DEPTH_BUFFER_BIT);
    }
    glDisable(GL_SCISSOR_TEST);
    written_.clear();
    glCullFace(GL_FRONT);
    glViewport(0, 0, size, size);
    glEnable(GL_DEPTH_TEST);

    // One vertex array of its own for the whole pass, so the effects' attribute state is left
    // alone; casters wholly outside the light's box would leave nothing in the map.
    const frustum box = frustum_planes(view, projection);
    glBindVertexArray(vertex_array_);
    glEnableVertexAttribArray(static_cast<GLuint>(position_location_));
    for (const scene_item& item : scene.items()) {
        const geometry& caster = *item.geometry;
        if (!item.cast_shadow || outside_frustum(caster.bounding_sphere(), item.world_matrix, box)) {
            continue;
        }
        const texel_box cover = cover_of(world_sphere(caster.bounding_sphere(), item.world_matrix));
        if (cover.x0 < cover.x1 && cover.y0 < cover.y1) {
            written_.push_back(cover);
        }
        const mat4 depth_mvp = depth_view_projection_ * item.world_matrix;
        glUniformMatrix4fv(depth_mvp_location_, 1, GL_FALSE, &depth_mvp[0][0]);
        glBindBuffer(GL_ARRAY_BUFFER, caster.position_buffer());
        glVertexAttribPointer(static_cast<GLuint>(position_location_), 3, GL_FLOAT, GL_FALSE, 0, nullptr);
        glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, caster.index_buffer());
        glDrawElements(caster.triangle_strip() ? GL_TRIANGLE_STRIP : GL_TRIANGLES,
                       static_cast<GLsizei>(caster.index_count()), GL_UNSIGNED_INT, nullptr);
    }
    glBindVertexArray(0);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);

    glCullFace(GL_BACK);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glUseProgram(0);
}

shadow_map::texel_box shadow_map::cover_of(const sphere& world) const
{
    // The light's projection is orthographic with the same scale across and up, and its view
    // only turns and moves: the sphere's outline in the map is a circle, its radius scaled by
    // the length of the projection's first row.
    const mat4& m = depth_view_projection_;
    const vec4 centre = m * vec4(world.center, 1.0f);
    const float scale = glm::length(vec3(m[0][0], m[1][0], m[2][0]));
    const float texels = static_cast<float>(size) * 0.5f;
    const float x = (centre.x + 1.0f) * texels;
    const float y = (centre.y + 1.0f) * texels;
    const float r = world.radius * scale * texels;
    // Two texels to spare: the rasteriser's rules at the outline, and wireframe lines.
    const float spare = 2.0f;
    const float low_x = std::floor(x - r - spare);
    const float low_y = std::floor(y - r - spare);
    const float high_x = std::ceil(x + r + spare);
    const float high_y = std::ceil(y + r + spare);
    if (std::isnan(low_x) || std::isnan(low_y) || std::isnan(high_x) || std::isnan(high_y)) {
        return {0, 0, size, size}; // not a number: it may be anywhere
    }
    const float limit = static_cast<float>(size);
    const auto clamp = [limit](float v) { return static_cast<int>(std::min(std::max(v, 0.0f), limit)); };
    return {clamp(low_x), clamp(low_y), clamp(high_x), clamp(high_y)};
}

} // namespace draw
