#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "draw/effect.hpp"
#include "draw/gl.hpp"
#include "draw/math.hpp"

namespace content {
class manager;
}

namespace draw {

class shader_program;

// An effect with one program loaded from two shader assets. Starting it only makes the program
// current; drawing is left to the derived effects.
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

    GLuint program_name() const;

protected:
    // Asset names relative to the manager's root, e.g. "shaders/basic_vs.glsl". Load and build
    // failures propagate.
    simple_effect(content::manager& content, const std::string& vertex_shader, const std::string& fragment_shader);
    ~simple_effect();

    // The started check, then the uniform's location (which throws for a name the program lacks).
    GLint uniform(std::string_view name);
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
    std::unique_ptr<shader_program> program_;
};

} // namespace draw
