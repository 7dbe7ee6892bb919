#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "draw/framebuffer.hpp"
#include "draw/texture_readback.hpp"
#include "effect_fixture.hpp"

namespace {

using framebuffer_test = test::gl_test;

GLint draw_binding()
{
    GLint name = -1;
    glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &name);
    return name;
}

TEST_F(framebuffer_test, bind_sets_the_viewport_to_its_size_and_clear_fills_its_texture)
{
    draw::framebuffer target(8, 4, 2, false);
    EXPECT_EQ(test::texture_level_parameter(target.color_texture(1), 0, GL_TEXTURE_WIDTH), 8);
    EXPECT_EQ(test::texture_level_parameter(target.color_texture(1), 0, GL_TEXTURE_HEIGHT), 4);
    glViewport(1, 2, 3, 4);
    target.bind();
    std::vector<GLint> viewport(4, -1);
    glGetIntegerv(GL_VIEWPORT, viewport.data());
    EXPECT_EQ(viewport, (std::vector<GLint>{0, 0, 8, 4}));
    target.clear_color(1.0f, 0.2f, 0.0f, 1.0f);
    target.unbind();
    EXPECT_EQ(draw_binding(), 0);
    std::vector<std::uint8_t> expected;
    for (int i = 0; i < 8 * 4; ++i) {
        expected.insert(expected.end(), {255, 51, 0});
    }
    EXPECT_EQ(test::texture_pixels(target.color_texture(0), 0, GL_RGB, 8, 4), expected);
}

TEST_F(framebuffer_test, refuses_sizes_below_one_and_indices_past_the_end)
{
    EXPECT_EQ(test::message_of([] { draw::framebuffer target(0, 0, 1, true); }), "Width must not be less than 1.");
    EXPECT_EQ(test::message_of([] { draw::framebuffer target(1, 0, 1, true); }), "Height must not be less than 1.");
    draw::framebuffer two(4, 4, 2, false);
    EXPECT_EQ(test::message_of([&] { two.color_texture(2); }), "Index out of range.");
}

TEST_F(framebuffer_test, incomplete_target_throws_without_leaking_or_staying_bound)
{
    // Wider than the driver allows: the attachments get no storage, so the target is incomplete.
    GLint max_texture = 0;
    GLint max_renderbuffer = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &max_texture);
    glGetIntegerv(GL_MAX_RENDERBUFFER_SIZE, &max_renderbuffer);
    // Live texture, renderbuffer and framebuffer names below 4096: a leak shows as a higher count.
    const auto live_objects = [] {
        int count = 0;
        for (GLuint name = 1; name < 4096; ++name) {
            count += glIsTexture(name) + glIsRenderbuffer(name) + glIsFramebuffer(name);
        }
        return count;
    };
    const int too_wide = std::max(max_texture, max_renderbuffer) + 1;
    const int before = live_objects();
    EXPECT_EQ(test::message_of([&] { draw::framebuffer target(too_wide, 1, 2, true); }),
              "Failed setting up the framebuffer object.");
    while (glGetError() != GL_NO_ERROR) {
        // The driver's size errors are expected here; keep them from the next test.
    }
    EXPECT_EQ(draw_binding(), 0);
    EXPECT_EQ(live_objects(), before);
}

} // namespace
