#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "draw/basic_effect.hpp"
#include "draw/bright_pass_effect.hpp"
#include "draw/water_effect.hpp"
#include "effect_fixture.hpp"

namespace {

using protocol = test::effect_test;

using test::message_of;

TEST_F(protocol, start_and_stop_alternate_and_stop_restores_the_state_before_refusing)
{
    draw::basic_effect effect(content);
    effect.start();
    EXPECT_EQ(message_of([&] { effect.start(); }), "Effect is already started.");
    EXPECT_TRUE(effect.started());
    effect.stop();
    EXPECT_FALSE(effect.started());

    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CLIP_DISTANCE0);
    EXPECT_EQ(message_of([&] { effect.stop(); }), "Effect was not started.");
    EXPECT_FALSE(test::enabled(GL_DEPTH_TEST));
    EXPECT_FALSE(test::enabled(GL_CLIP_DISTANCE0));
}

TEST_F(protocol, a_stopped_effect_refuses_every_operation_before_any_lookup)
{
    const std::string must_be_started = "Effect must be started before this operation can be executed.";
    draw::water_effect water(content);
    draw::basic_effect basic(content);
    // The water shaders have no "WorldMatrix": stopped, the protocol message still wins.
    EXPECT_EQ(message_of([&] { water.set_world_matrix(mat4(1.0f)); }), must_be_started);
    EXPECT_EQ(message_of([&] { water.draw(); }), must_be_started);
    EXPECT_EQ(message_of([&] { basic.bind_attribute("nothing", 0, GL_FLOAT, 3); }), must_be_started);
    EXPECT_EQ(message_of([&] { basic.bind_texture("nothing", 0, 0); }), must_be_started);
    EXPECT_EQ(message_of([&] { basic.set_texcoord_scale(1.0f); }), must_be_started);
}

TEST_F(protocol, the_screen_quads_hold_eight_signed_bytes)
{
    draw::bright_pass_effect fullscreen(content);
    draw::water_effect water(content);
    for (GLuint buffer : {fullscreen.quad_buffer(), water.quad_buffer()}) {
        glBindBuffer(GL_ARRAY_BUFFER, buffer);
        GLint size = 0;
        glGetBufferParameteriv(GL_ARRAY_BUFFER, GL_BUFFER_SIZE, &size);
        std::vector<std::int8_t> bytes(8, 0);
        glGetBufferSubData(GL_ARRAY_BUFFER, 0, 8, bytes.data());
        EXPECT_EQ(size, 8);
        EXPECT_EQ(bytes, (std::vector<std::int8_t>{-1, -1, 1, -1, -1, 1, 1, 1}));
    }
    glBindBuffer(GL_ARRAY_BUFFER, 0);
}

} // namespace
