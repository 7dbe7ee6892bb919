#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "draw/effect.hpp"
#include "draw/gl.hpp"
#include "draw/math.hpp"

namespace content {
class manager;
}

namespace draw {

class shader_program;

// An effect with one program loaded from two shader assets, or several variants of it: the same
// files compiled behind other defines, of which one is current at a time. Starting it only makes
// the current program current; drawing is left to the derived effects.
class simple_effect : public effect {
public:
    // Attaches `buffer` to the named attribute: tightly packed, never normalised.
    void bind_attribute(std::string_view name, GLuint buffer, GLenum component_type, GLint component_count);
    // Binds a 2D texture to `unit` and points the sampler at it; leaves that unit active.
    void bind_texture(std::string_view sampler, GLuint texture, GLint unit);

    void on_start() override;
    void on_stop() override;
    // Draws nothing; only the started check.
    void draw() override;

    // The first variant's program, the one with every feature.
    GLuint program_name() const;

protected:
    // Asset names relative to the manager's root, e.g. "shaders/basic_vs.glsl". Load and build
    // failures propagate.
    // `variants` holds each variant's defines (draw::shader_preamble); the first must switch
    // every feature of the files on, as the setters check uniform names against it. It is
    // current until select_variant picks another.
    simple_effect(content::manager& content, const std::string& vertex_shader, const std::string& fragment_shader,
                  const std::vector<std::vector<std::string_view>>& variants = {{}});
    ~simple_effect();

    // Makes variant `index` (an index into the constructor's list) the program drawn with, from
    // now on and at every start.
    void select_variant(std::size_t index);

    // The setters upload to every variant that kept the uniform, so that a switch between
    // variants loses nothing: the started check, then the first variant's location (which throws
    // for a name the files lack), then `upload` (location) with each program in use in turn.
    template <typename Upload>
    void upload(std::string_view name, Upload upload);
    void set_uniform(std::string_view name, bool value);
    void set_uniform(std::string_view name, float value);
    void set_uniform(std::string_view name, const vec2& value);
    void set_uniform(std::string_view name, const vec3& value);
    void set_uniform(std::string_view name, const mat4& value);

    // A new buffer holding the screen quad (-1,-1), (1,-1), (-1,1), (1,1) as signed bytes; it is
    // left bound to GL_ARRAY_BUFFER. The caller owns it.
    static GLuint create_quad_buffer();
    // Draws such a quad through the named 2-component attribute.
    void draw_quad(std::string_view attribute, GLuint quad_buffer);

private:
    std::vector<std::unique_ptr<shader_program>> programs_;
    std::size_t current_ = 0;
};

} // namespace draw
