#include "draw/simple_effect.hpp"

#include <cstdint>

#include "content/manager.hpp"
#include "content/text_loader.hpp"
#include "draw/shader_preamble.hpp"
#include "draw/shader_program.hpp"

namespace draw {

simple_effect::simple_effect(content::manager& content, const std::string& vertex_shader,
                             const std::string& fragment_shader,
                             const std::vector<std::vector<std::string_view>>& variants)
{
    const std::shared_ptr<std::string> vertex_source = content.text().load_shared(vertex_shader);
    const std::shared_ptr<std::string> fragment_source = content.text().load_shared(fragment_shader);
    for (const std::vector<std::string_view>& defines : variants) {
        const std::string preamble = shader_preamble(defines);
        programs_.push_back(std::make_unique<shader_program>(preamble + *vertex_source, preamble + *fragment_source));
    }
}

simple_effect::~simple_effect() = default;

GLuint simple_effect::program_name() const { return programs_.front()->name(); }

void simple_effect::on_start() { glUseProgram(programs_[current_]->name()); }

void simple_effect::on_stop() {}

void simple_effect::draw() { check_started(); }

void simple_effect::select_variant(std::size_t index)
{
    if (index == current_) {
        return;
    }
    current_ = index;
    if (started()) {
        glUseProgram(programs_[current_]->name());
    }
}

template <typename Upload>
void simple_effect::upload(std::string_view name, Upload upload)
{
    check_started();
    const GLint location = programs_.front()->uniform_location(name);
    if (programs_.size() == 1) {
        upload(location);
        return;
    }
    for (std::size_t i = 0; i < programs_.size(); ++i) {
        const GLint at = i == 0 ? location : programs_[i]->uniform_location_or_none(name);
        if (at == -1) {
            continue;
        }
        glUseProgram(programs_[i]->name());
        upload(at);
    }
    glUseProgram(programs_[current_]->name());
}

void simple_effect::bind_attribute(std::string_view name, GLuint buffer, GLenum component_type,
                                   GLint component_count)
{
    check_started();
    // The vertex shaders fix their attributes' locations, so every variant has the first's.
    const GLint location = programs_.front()->attribute_location(name);
    glEnableVertexAttribArray(static_cast<GLuint>(location));
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    glVertexAttribPointer(static_cast<GLuint>(location), component_count, component_type, GL_FALSE, 0, nullptr);
}

void simple_effect::bind_texture(std::string_view sampler, GLuint texture, GLint unit)
{
    upload(sampler, [unit](GLint location) { glUniform1i(location, unit); });
    glActiveTexture(GL_TEXTURE0 + static_cast<GLenum>(unit));
    glBindTexture(GL_TEXTURE_2D, texture);
}

void simple_effect::set_uniform(std::string_view name, bool value)
{
    upload(name, [value](GLint location) { glUniform1i(location, value ? 1 : 0); });
}

void simple_effect::set_uniform(std::string_view name, float value)
{
    upload(name, [value](GLint location) { glUniform1f(location, value); });
}

void simple_effect::set_uniform(std::string_view name, const vec2& value)
{
    upload(name, [&value](GLint location) { glUniform2f(location, value.x, value.y); });
}

void simple_effect::set_uniform(std::string_view name, const vec3& value)
{
    upload(name, [&value](GLint location) { glUniform3f(location, value.x, value.y, value.z); });
}

void simple_effect::set_uniform(std::string_view name, const mat4& value)
{
    // Column-major as stored, never transposed.
    upload(name, [&value](GLint location) { glUniformMatrix4fv(location, 1, GL_FALSE, &value[0][0]); });
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
