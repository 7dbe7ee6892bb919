#include <vector>

#include "draw/blur_effect.hpp"
#include "draw/framebuffer.hpp"
#include "draw/pass_pacer.hpp"
#include "effect_fixture.hpp"

namespace {

using pass_pacer_test = test::effect_test;

// The second mark waits for a pass issued before the first, here a few blurs of a 2048x2048
// target, which a software renderer needs some tenths of a second for.
TEST_F(pass_pacer_test, a_mark_waits_until_the_pass_before_the_previous_mark_is_drawn)
{
    draw::blur_effect blur(content);
    const auto source = test::upload(std::vector<unsigned char>(16 * 16 * 3, 200), 16);
    draw::framebuffer target(2048, 2048, 1, false);
    draw::pass_pacer pacer;

    target.bind();
    blur.start();
    blur.set_step(vec2(1.0f / 16.0f, 0.0f));
    blur.bind_texture("image", source->color_texture(0), 0);
    for (int i = 0; i < 8; ++i) {
        blur.draw();
    }
    blur.stop();
    target.unbind();
    GLsync heavy_pass = glFenceSync(GL_SYNC_GPU_COMMANDS_COMPLETE, 0);
    pacer.mark();
    pacer.mark();

    GLint status = GL_UNSIGNALED;
    glGetSynciv(heavy_pass, GL_SYNC_STATUS, 1, nullptr, &status);
    EXPECT_EQ(status, GL_SIGNALED);
    glDeleteSync(heavy_pass);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

} // namespace
