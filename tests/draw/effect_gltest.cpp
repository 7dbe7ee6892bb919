#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "draw/basic_effect.hpp"
#include "draw/bright_pass_effect.hpp"
#include "draw/water_effect.hpp"
#include "effect_fixture.hpp"

namespace {

using effect = test::effect_test;
using test::message_of;

// Each pass finds the state it needs: world geometry depth-tested and culled, the water blended
// without writing depth and unclipped, full-screen passes none of it; stopping clears it again,
// even a stop that refuses. Blending off and depth writes back on after the water is the
// renderer's frame test.
TEST_F(effect, start_and_stop_alternate_and_set_and_clear_the_state_each_pass_needs)
{
    using values = std::vector<GLint>;
    const auto state = [](std::initializer_list<GLenum> names) {
        values out;
        for (GLenum capability : {GL_DEPTH_TEST, GL_MULTISAMPLE, GL_CULL_FACE, GL_BLEND, GL_CLIP_DISTANCE0}) {
            out.push_back(glIsEnabled(capability));
        }
        for (GLenum name : names) {
            out.push_back(-1);
            glGetIntegerv(name, &out.back());
        }
        return out;
    };
    draw::basic_effect basic(content);
    draw::water_effect water(content);
    draw::bright_pass_effect fullscreen(content);
    const std::string must_be_started = "Effect must be started before this operation can be executed.";
    // The water shaders have no "WorldMatrix": stopped, the protocol message still wins.
    EXPECT_EQ(message_of([&] { water.set_world_matrix(mat4(1.0f)); }), must_be_started);
    EXPECT_EQ(message_of([&] { water.draw(); }), must_be_started);
    EXPECT_EQ(message_of([&] { basic.bind_attribute("nothing", 0, GL_FLOAT, 3); }), must_be_started);
    EXPECT_EQ(message_of([&] { basic.bind_texture("nothing", 0, 0); }), must_be_started);

    // The capabilities above, then the culled faces, depth writes and the colour's blend factors
    // (the targets have no alpha to blend).
    const std::pair<draw::effect*, values> passes[] = {
        {&basic, {1, 1, 1, 0, 1, GL_BACK, GL_TRUE, GL_ONE, GL_ZERO}},
        {&water, {1, 1, 1, 1, 0, GL_BACK, GL_FALSE, GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA}},
        {&fullscreen, {0, 0, 0, 0, 0, GL_FRONT, GL_TRUE, GL_ONE, GL_ZERO}}};
    for (const auto& [pass, started] : passes) {
        glCullFace(GL_FRONT);
        glBlendFunc(GL_ONE, GL_ZERO);
        pass->start();
        EXPECT_EQ(message_of([pass = pass] { pass->start(); }), "Effect is already started.");
        EXPECT_EQ(state({GL_CULL_FACE_MODE, GL_DEPTH_WRITEMASK, GL_BLEND_SRC_RGB, GL_BLEND_DST_RGB}), started);
        pass->stop();
        EXPECT_EQ(state({}), values(5, 0));
    }
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CLIP_DISTANCE0);
    EXPECT_EQ(message_of([&] { basic.stop(); }), "Effect was not started.");
    EXPECT_EQ(state({}), values(5, 0));
}

} // namespace
