#include <algorithm>

#include "draw/framebuffer.hpp"
#include "draw/texture.hpp"
#include "effect_fixture.hpp"

namespace {

using framebuffer_test = test::gl_test;

// That bind sets the viewport, clear_color fills the texture and the sizes hold shows in the
// effect tests, which draw into framebuffers and read the pixels back; that unbinding goes back
// to the window, in the renderer's frame test.
TEST_F(framebuffer_test, refuses_sizes_below_one_indices_past_the_end_and_incomplete_targets_without_leaking)
{
    EXPECT_EQ(test::message_of([] { draw::framebuffer target(0, 0, 1, true); }), "Width must not be less than 1.");
    EXPECT_EQ(test::message_of([] { draw::framebuffer target(1, 0, 1, true); }), "Height must not be less than 1.");
    // A texture may be empty, but no side may be negative.
    EXPECT_EQ(test::message_of([] { draw::texture empty(-1, -1, nullptr); }), "Width must not be negative.");
    EXPECT_EQ(test::message_of([] { draw::texture empty(0, -1, nullptr); }), "Height must not be negative.");
    draw::framebuffer two(4, 4, 2, false);
    EXPECT_EQ(test::message_of([&] { two.color_texture(2); }), "Index out of range.");

    // Wider than the driver allows: the attachments get no storage, so the target is incomplete.
    GLint max_sizes[2] = {0, 0};
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &max_sizes[0]);
    glGetIntegerv(GL_MAX_RENDERBUFFER_SIZE, &max_sizes[1]);
    const auto live_objects = [] {
        return test::live_names(
            [](GLuint name) { return glIsTexture(name) + glIsRenderbuffer(name) + glIsFramebuffer(name); });
    };
    const int before = live_objects();
    const int too_wide = std::max(max_sizes[0], max_sizes[1]) + 1;
    EXPECT_EQ(test::message_of([&] { draw::framebuffer target(too_wide, 1, 2, true); }),
              "Failed setting up the framebuffer object.");
    while (glGetError() != GL_NO_ERROR) {
        // The driver's size errors are expected here; keep them from the next test.
    }
    // Deleting a bound framebuffer binds the window's again, so no leak also means no stale binding.
    EXPECT_EQ(live_objects(), before);
}

} // namespace
