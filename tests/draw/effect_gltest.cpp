#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "draw/basic_effect.hpp"
#include "draw/bright_pass_effect.hpp"
#include "draw/water_effect.hpp"
#include "effect_fixture.hpp"

namespace {

using effect = test::effect_test;
using test::message_of;

TEST_F(effect, start_and_stop_alternate_and_stop_restores_the_state_before_refusing)
{
    const std::string must_be_started = "Effect must be started before this operation can be executed.";
    draw::basic_effect basic(content);
    draw::water_effect water(content);
    // The water shaders have no "WorldMatrix": stopped, the protocol message still wins.
    EXPECT_EQ(message_of([&] { water.set_world_matrix(mat4(1.0f)); }), must_be_started);
    EXPECT_EQ(message_of([&] { water.draw(); }), must_be_started);
    EXPECT_EQ(message_of([&] { basic.bind_attribute("nothing", 0, GL_FLOAT, 3); }), must_be_started);
    EXPECT_EQ(message_of([&] { basic.bind_texture("nothing", 0, 0); }), must_be_started);

    basic.start();
    EXPECT_EQ(message_of([&] { basic.start(); }), "Effect is already started.");
    EXPECT_TRUE(basic.started());
    basic.stop();
    EXPECT_FALSE(basic.started());
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CLIP_DISTANCE0);
    EXPECT_EQ(message_of([&] { basic.stop(); }), "Effect was not started.");
    EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_FALSE(glIsEnabled(GL_CLIP_DISTANCE0));
}

// Each pass leaves the state the next one expects: world geometry depth-tested and culled, water
// blended without writing depth, full-screen passes touching nothing.
TEST_F(effect, start_sets_and_stop_clears_the_state_each_pass_needs)
{
    const auto enabled = [] {
        std::vector<GLenum> on;
        for (GLenum capability : {GL_DEPTH_TEST, GL_MULTISAMPLE, GL_CULL_FACE, GL_BLEND, GL_CLIP_DISTANCE0}) {
            if (glIsEnabled(capability)) {
                on.push_back(capability);
            }
        }
        return on;
    };
    const auto integer = [](GLenum name) {
        GLint value = -1;
        glGetIntegerv(name, &value);
        return value;
    };
    using caps = std::vector<GLenum>;
    draw::basic_effect basic(content);
    glCullFace(GL_FRONT);
    basic.start();
    EXPECT_EQ(enabled(), (caps{GL_DEPTH_TEST, GL_MULTISAMPLE, GL_CULL_FACE, GL_CLIP_DISTANCE0}));
    EXPECT_EQ(integer(GL_CULL_FACE_MODE), GL_BACK);
    basic.stop();
    EXPECT_EQ(enabled(), caps{});

    draw::water_effect water(content);
    water.start();
    // The water writes no clip distance, so clipping must not be on for it.
    EXPECT_EQ(enabled(), (caps{GL_DEPTH_TEST, GL_MULTISAMPLE, GL_CULL_FACE, GL_BLEND}));
    EXPECT_EQ((caps{GLenum(integer(GL_BLEND_SRC_RGB)), GLenum(integer(GL_BLEND_DST_RGB)),
                    GLenum(integer(GL_BLEND_SRC_ALPHA)), GLenum(integer(GL_BLEND_DST_ALPHA))}),
              (caps{GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA, GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA}));
    EXPECT_EQ(integer(GL_DEPTH_WRITEMASK), GL_FALSE);
    water.stop();
    EXPECT_EQ(enabled(), caps{});
    EXPECT_EQ(integer(GL_DEPTH_WRITEMASK), GL_TRUE);

    draw::bright_pass_effect fullscreen(content);
    glEnable(GL_BLEND);
    fullscreen.start();
    fullscreen.stop();
    EXPECT_EQ(enabled(), caps{GL_BLEND});
    glDisable(GL_BLEND);
}

// The conventions of the uploads; that most uniforms exist shows in the lit-scene test, whose
// setters throw for a missing one, and a transposed matrix would garble its picture. The two
// material maps are not used there, so their samplers are bound here: a shader that lost them
// would stop the game at its first textured material.
TEST_F(effect, light_points_towards_the_sun_and_booleans_arrive_as_integers)
{
    draw::basic_effect basic(content);
    const GLuint program = basic.program_name();
    basic.start();
    basic.set_light_direction(vec3(0.0f, 1.0f, -1.0f));
    std::vector<float> light(3, -1.0f);
    glGetUniformfv(program, glGetUniformLocation(program, "LightVector"), light.data());
    EXPECT_EQ(light, (std::vector<float>{0.0f, -0.70710677f, 0.70710677f}));
    for (const bool on : {true, false}) {
        basic.set_fog_enabled(on);
        basic.set_water_clipping(on);
        basic.set_diffuse_map_enabled(on);
        basic.set_emissive_map_enabled(on);
        for (const char* name : {"FogEnabled", "WaterClipping", "DiffuseMapEnabled", "EmissiveMapEnabled"}) {
            GLint value = -1;
            glGetUniformiv(program, glGetUniformLocation(program, name), &value);
            EXPECT_EQ(value, on ? 1 : 0) << name;
        }
    }
    EXPECT_NO_THROW(basic.bind_texture("DiffuseMap", 0, 0));
    EXPECT_NO_THROW(basic.bind_texture("EmissiveMap", 0, 1));
    basic.stop();
}

// Full-screen passes and the water share the code that makes the quad.
TEST_F(effect, the_screen_quad_holds_eight_signed_bytes)
{
    draw::bright_pass_effect fullscreen(content);
    glBindBuffer(GL_ARRAY_BUFFER, fullscreen.quad_buffer());
    GLint size = 0;
    glGetBufferParameteriv(GL_ARRAY_BUFFER, GL_BUFFER_SIZE, &size);
    std::vector<std::int8_t> bytes(8, 0);
    glGetBufferSubData(GL_ARRAY_BUFFER, 0, 8, bytes.data());
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    EXPECT_EQ(size, 8);
    EXPECT_EQ(bytes, (std::vector<std::int8_t>{-1, -1, 1, -1, -1, 1, 1, 1}));
}

} // namespace
