#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <string>

#include "draw/basic_effect.hpp"
#include "draw/bright_pass_effect.hpp"
#include "draw/water_effect.hpp"
#include "effect_fixture.hpp"

namespace {

using protocol = test::effect_test;

const std::string must_be_started = "Effect must be started before this operation can be executed.";

// Runs `operation` and returns the message of the std::exception it throws ("" if none).
template <typename Operation>
std::string message_of(Operation operation)
{
    try {
        operation();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "";
}

TEST_F(protocol, start_and_stop_alternate_and_misuse_names_itself)
{
    draw::basic_effect effect(content);
    EXPECT_FALSE(effect.started());
    effect.start();
    effect.stop();
    effect.start();
    EXPECT_EQ(message_of([&] { effect.start(); }), "Effect is already started.");
    EXPECT_TRUE(effect.started());
    effect.stop();
    EXPECT_FALSE(effect.started());
    EXPECT_EQ(message_of([&] { effect.stop(); }), "Effect was not started.");
}

TEST_F(protocol, misuse_is_a_plain_exception_not_a_runtime_error)
{
    draw::basic_effect effect(content);
    try {
        effect.stop();
        FAIL() << "expected an exception";
    } catch (const std::runtime_error&) {
        FAIL() << "protocol errors are not runtime errors";
    } catch (const std::exception&) {
    }
}

TEST_F(protocol, stop_on_a_stopped_effect_still_restores_the_state_first)
{
    draw::basic_effect effect(content);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    glEnable(GL_MULTISAMPLE);
    glEnable(GL_CLIP_DISTANCE0);
    EXPECT_EQ(message_of([&] { effect.stop(); }), "Effect was not started.");
    EXPECT_FALSE(test::enabled(GL_DEPTH_TEST));
    EXPECT_FALSE(test::enabled(GL_CULL_FACE));
    EXPECT_FALSE(test::enabled(GL_MULTISAMPLE));
    EXPECT_FALSE(test::enabled(GL_CLIP_DISTANCE0));
}

TEST_F(protocol, every_operation_on_a_stopped_effect_is_refused_before_any_lookup)
{
    draw::water_effect water(content);
    draw::basic_effect basic(content);
    // The water shaders have no "WorldMatrix": stopped, the protocol message still wins.
    EXPECT_EQ(message_of([&] { water.set_world_matrix(mat4(1.0f)); }), must_be_started);
    EXPECT_EQ(message_of([&] { water.set_fog_start(1.0f); }), must_be_started);
    EXPECT_EQ(message_of([&] { water.draw(); }), must_be_started);
    EXPECT_EQ(message_of([&] { basic.bind_attribute("nothing", 0, GL_FLOAT, 3); }), must_be_started);
    EXPECT_EQ(message_of([&] { basic.bind_texture("nothing", 0, 0); }), must_be_started);
    EXPECT_EQ(message_of([&] { basic.set_texcoord_scale(1.0f); }), must_be_started);
    EXPECT_EQ(message_of([&] { basic.draw(); }), must_be_started);

    water.start();
    EXPECT_EQ(message_of([&] { water.set_world_matrix(mat4(1.0f)); }),
              "Uniform 'WorldMatrix' unused or not defined.");
    water.stop();
}

TEST_F(protocol, names_the_program_lacks_fail_their_lookup_when_started)
{
    draw::basic_effect effect(content);
    effect.start();
    EXPECT_EQ(message_of([&] { effect.bind_attribute("inColor", 0, GL_FLOAT, 3); }),
              "Attribute 'inColor' unused or not defined.");
    EXPECT_EQ(message_of([&] { effect.bind_texture("NormalMap", 0, 0); }),
              "Uniform 'NormalMap' unused or not defined.");
    effect.stop();
}

TEST_F(protocol, draw_of_a_started_basic_effect_draws_nothing)
{
    draw::basic_effect effect(content);
    effect.start();
    EXPECT_NO_THROW(effect.draw());
    effect.stop();
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(protocol, bind_attribute_sets_a_tightly_packed_unnormalised_pointer)
{
    draw::basic_effect effect(content);
    GLuint buffer = 0;
    glGenBuffers(1, &buffer);
    effect.start();
    effect.bind_attribute("inTexcoord", buffer, GL_FLOAT, 2);
    const GLuint location = static_cast<GLuint>(glGetAttribLocation(effect.program_name(), "inTexcoord"));
    GLint value = 0;
    glGetVertexAttribiv(location, GL_VERTEX_ATTRIB_ARRAY_ENABLED, &value);
    EXPECT_EQ(value, GL_TRUE);
    glGetVertexAttribiv(location, GL_VERTEX_ATTRIB_ARRAY_BUFFER_BINDING, &value);
    EXPECT_EQ(static_cast<GLuint>(value), buffer);
    glGetVertexAttribiv(location, GL_VERTEX_ATTRIB_ARRAY_SIZE, &value);
    EXPECT_EQ(value, 2);
    glGetVertexAttribiv(location, GL_VERTEX_ATTRIB_ARRAY_STRIDE, &value);
    EXPECT_EQ(value, 0);
    glGetVertexAttribiv(location, GL_VERTEX_ATTRIB_ARRAY_NORMALIZED, &value);
    EXPECT_EQ(value, GL_FALSE);
    EXPECT_EQ(test::integer_state(GL_ARRAY_BUFFER_BINDING), static_cast<GLint>(buffer));
    effect.stop();
    glDisableVertexAttribArray(location);
    glDeleteBuffers(1, &buffer);
}

TEST_F(protocol, bind_texture_leaves_the_unit_active_and_points_the_sampler_at_it)
{
    draw::basic_effect effect(content);
    GLuint texture = 0;
    glGenTextures(1, &texture);
    effect.start();
    effect.bind_texture("EmissiveMap", texture, 1);
    EXPECT_EQ(test::integer_state(GL_ACTIVE_TEXTURE), GL_TEXTURE1);
    EXPECT_EQ(test::integer_state(GL_TEXTURE_BINDING_2D), static_cast<GLint>(texture));
    EXPECT_EQ(test::uniform_int(effect.program_name(), "EmissiveMap"), 1);
    effect.stop();
    glBindTexture(GL_TEXTURE_2D, 0);
    glActiveTexture(GL_TEXTURE0);
    glDeleteTextures(1, &texture);
}

TEST_F(protocol, the_screen_quads_hold_eight_signed_bytes)
{
    draw::bright_pass_effect fullscreen(content);
    draw::water_effect water(content);
    const std::int8_t expected[8] = {-1, -1, 1, -1, -1, 1, 1, 1};
    for (GLuint buffer : {fullscreen.quad_buffer(), water.quad_buffer()}) {
        glBindBuffer(GL_ARRAY_BUFFER, buffer);
        GLint size = 0;
        glGetBufferParameteriv(GL_ARRAY_BUFFER, GL_BUFFER_SIZE, &size);
        EXPECT_EQ(size, 8);
        std::uint8_t bytes[8] = {};
        glGetBufferSubData(GL_ARRAY_BUFFER, 0, 8, bytes);
        for (int i = 0; i < 8; ++i) {
            EXPECT_EQ(bytes[i], static_cast<std::uint8_t>(expected[i])) << "byte " << i;
        }
    }
    glBindBuffer(GL_ARRAY_BUFFER, 0);
}

TEST_F(protocol, destroying_an_effect_deletes_its_program_and_quad)
{
    GLuint program = 0;
    GLuint quad = 0;
    {
        draw::bright_pass_effect effect(content);
        program = effect.program_name();
        quad = effect.quad_buffer();
        EXPECT_EQ(glIsProgram(program), GL_TRUE);
    }
    EXPECT_EQ(glIsProgram(program), GL_FALSE);
    EXPECT_EQ(glIsBuffer(quad), GL_FALSE);
}

TEST_F(protocol, a_missing_shader_asset_fails_construction)
{
    content::manager empty("/nonexistent-kalvanor-assets/");
    EXPECT_THROW(draw::basic_effect effect(empty), std::runtime_error);
}

} // namespace
