#include "draw/simple_effect.hpp"

#include <cstdint>

#include "content/manager.hpp"
#include "content/text_loader.hpp"
#include "draw/shader_program.hpp"

namespace draw {

simple_effect::simple_effect(content::manager& content, const std::string& vertex_shader,
                             const std::string& fragment_shader)
{
    const std::shared_ptr<std::string> vertex_source = content.text().load_shared(vertex_shader);
    const std::shared_ptr<std::string> fragment_source = content.text().load_shared(fragment_shader);
    program_ = std::make_unique<shader_program>(*vertex_source, *fragment_source);
}

simple_effect::~simple_effect() = default;

GLuint simple_effect::program_name() const { return program_->name(); }

void simple_effect::on_start() { glUseProgram(program_->name()); }

void simple_effect::on_stop() {}

void simple_effect::draw() { check_started(); }

void simple_effect::bind_attribute(std::string_view name, GLuint buffer, GLenum component_type,
                                   GLint component_count)
{
    check_started();
    const GLint location = program_->attribute_location(name);
    glEnableVertexAttribArray(static_cast<GLuint>(location));
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    glVertexAttribPointer(static_cast<GLuint>(location), component_count, component_type, GL_FALSE, 0, nullptr);
}

void simple_effect::bind_texture(std::string_view sampler, GLuint texture, GLint unit)
{
    const GLint location = uniform(sampler);
    glActiveTexture(GL_TEXTURE0 + static_cast<GLenum>(unit));
    glBindTexture(GL_TEXTURE_2D, texture);
    glUniform1i(location, unit);
}

GLint simple_effect::uniform(std::string_view name)
{
    check_started();
    return program_->uniform_location(name);
}

void simple_effect::set_uniform(std::string_view name, bool value) { glUniform1i(uniform(name), value ? 1 : 0); }

void simple_effect::set_uniform(std::string_view name, float value) { glUniform1f(uniform(name), value); }

void simple_effect::set_uniform(std::string_view name, const vec2& value)
{
    glUniform2f(uniform(name), value.x, value.y);
}

void simple_effect::set_uniform(std::string_view name, const vec3& value)
{
    glUniform3f(uniform(name), value.x, value.y, value.z);
}

void simple_effect::set_uniform(std::string_view name, const mat4& value)
{
    // Column-major as stored, never transposed.
    glUniformMatrix4fv(uniform(name), 1, GL_FALSE, &value[0][0]);
}

GLuint simple_effect::create_quad_buffer()
{
    // Two's complement bytes; drawn as a triangle strip they cover all of clip space.
    static const std::int8_t quad[8] = {-1, -1, 1, -1, -1, 1, 1, 1};
    GLuint buffer = 0;
    glGenBuffers(1, &buffer);
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    glBufferData(GL_ARRAY_BUFFER, sizeof(quad), quad, GL_STATIC_DRAW);
    return buffer;
}

void simple_effect::draw_quad(std::string_view attribute, GLuint quad_buffer)
{
    check_started();
    bind_attribute(attribute, quad_buffer, GL_BYTE, 2);
    glDrawArrays(GL_TRIANGLE_STRIP, 0, 4);
}

} // namespace draw
