#include "draw/simple_effect.hpp"

#include <algorithm>
#include <cstdint>
#include <stdexcept>

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
    if (variants.size() > max_variants) {
        throw std::logic_error("Too many shader variants.");
    }
    for (const std::vector<std::string_view>& defines : variants) {
        const std::string preamble = shader_preamble(defines);
        programs_.push_back(std::make_unique<shader_program>(preamble + *vertex_source, preamble + *fragment_source));
    }
}

simple_effect::~simple_effect() = default;

GLuint simple_effect::program_name() const { return programs_.front()->name(); }

void simple_effect::on_start()
{
    glUseProgram(programs_[current_]->name());
    catch_up();
}

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
        catch_up();
    }
}

void simple_effect::set(std::string_view name, uniform_kind kind, GLint integer, const float* floats,
                        std::size_t count)
{
    check_started();
    auto value = std::find_if(uniforms_.begin(), uniforms_.end(),
                              [name](const uniform_value& known) { return known.name == name; });
    if (value == uniforms_.end()) {
        uniform_value added;
        added.locations.fill(-1);
        added.locations[0] = programs_.front()->uniform_location(name);
        for (std::size_t i = 1; i < programs_.size(); ++i) {
            added.locations[i] = programs_[i]->uniform_location_or_none(name);
        }
        added.name = name;
        uniforms_.push_back(std::move(added));
        value = uniforms_.end() - 1;
    }
    value->kind = kind;
    value->integer = integer;
    std::copy(floats, floats + count, value->floats.begin());
    value->stale = ((std::uint32_t{1} << programs_.size()) - 1) & ~(std::uint32_t{1} << current_);
    send(*value);
}

void simple_effect::send(const uniform_value& value) const
{
    const GLint location = value.locations[current_];
    if (location == -1) {
        return;
    }
    const float* v = value.floats.data();
    switch (value.kind) {
    case uniform_kind::integer: glUniform1i(location, value.integer); break;
    case uniform_kind::float1: glUniform1f(location, v[0]); break;
    case uniform_kind::float2: glUniform2f(location, v[0], v[1]); break;
    case uniform_kind::float3: glUniform3f(location, v[0], v[1], v[2]); break;
    // Column-major as stored, never transposed.
    case uniform_kind::matrix4: glUniformMatrix4fv(location, 1, GL_FALSE, v); break;
    }
}

void simple_effect::catch_up()
{
    const std::uint32_t bit = std::uint32_t{1} << current_;
    for (uniform_value& value : uniforms_) {
        if ((value.stale & bit) != 0) {
            value.stale &= ~bit;
            send(value);
        }
    }
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
    set(sampler, uniform_kind::integer, unit, nullptr, 0);
    glActiveTexture(GL_TEXTURE0 + static_cast<GLenum>(unit));
    glBindTexture(GL_TEXTURE_2D, texture);
}

void simple_effect::set_uniform(std::string_view name, bool value)
{
    set(name, uniform_kind::integer, value ? 1 : 0, nullptr, 0);
}

void simple_effect::set_uniform(std::string_view name, float value)
{
    set(name, uniform_kind::float1, 0, &value, 1);
}

void simple_effect::set_uniform(std::string_view name, const vec2& value)
{
    set(name, uniform_kind::float2, 0, &value.x, 2);
}

void simple_effect::set_uniform(std::string_view name, const vec3& value)
{
    set(name, uniform_kind::float3, 0, &value.x, 3);
}

void simple_effect::set_uniform(std::string_view name, const mat4& value)
{
    set(name, uniform_kind::matrix4, 0, &value[0][0], 16);
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
