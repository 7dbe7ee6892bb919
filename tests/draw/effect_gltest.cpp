#include <gtest/gtest.h>

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
    basic.stop();
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
    using values = std::vector<GLint>;
    const auto enabled = [] {
        values on;
        for (GLenum capability : {GL_DEPTH_TEST, GL_MULTISAMPLE, GL_CULL_FACE, GL_BLEND, GL_CLIP_DISTANCE0}) {
            on.push_back(glIsEnabled(capability));
        }
        return on;
    };
    const auto integers = [](std::initializer_list<GLenum> names) {
        values out;
        for (GLenum name : names) {
            out.push_back(-1);
            glGetIntegerv(name, &out.back());
        }
        return out;
    };
    draw::basic_effect basic(content);
    glCullFace(GL_FRONT);
    basic.start();
    EXPECT_EQ(enabled(), (values{1, 1, 1, 0, 1}));
    EXPECT_EQ(integers({GL_CULL_FACE_MODE}), values{GL_BACK});
    basic.stop();
    EXPECT_EQ(enabled(), (values{0, 0, 0, 0, 0}));

    draw::water_effect water(content);
    water.start();
    // The water writes no clip distance, so clipping must not be on for it.
    EXPECT_EQ(enabled(), (values{1, 1, 1, 1, 0}));
    EXPECT_EQ(integers({GL_BLEND_SRC_RGB, GL_BLEND_DST_RGB, GL_BLEND_SRC_ALPHA, GL_BLEND_DST_ALPHA,
                        GL_DEPTH_WRITEMASK}),
              (values{GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA, GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA, GL_FALSE}));
    water.stop();
    EXPECT_EQ(enabled(), (values{0, 0, 0, 0, 0}));
    EXPECT_EQ(integers({GL_DEPTH_WRITEMASK}), values{GL_TRUE});

    draw::bright_pass_effect fullscreen(content);
    glEnable(GL_BLEND);
    fullscreen.start();
    fullscreen.stop();
    EXPECT_EQ(enabled(), (values{0, 0, 0, 1, 0}));
    glDisable(GL_BLEND);
}

} // namespace
