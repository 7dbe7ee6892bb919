#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "app/exception.hpp"
#include "draw/framebuffer.hpp"
#include "draw/texture_readback.hpp"
#include "support/gl_context.hpp"

namespace {

class framebuffer_test : public test::gl_test {};

template <typename Action>
std::string message_of(Action action)
{
    try {
        action();
    } catch (const kalvanor::exception& e) {
        return e.what();
    }
    return "(nothing thrown)";
}

std::vector<GLint> viewport()
{
    std::vector<GLint> v(4, -1);
    glGetIntegerv(GL_VIEWPORT, v.data());
    return v;
}

GLint draw_binding()
{
    GLint name = -1;
    glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &name);
    return name;
}

GLint texture_parameter(GLuint texture, GLenum which)
{
    GLint value = -1;
    glBindTexture(GL_TEXTURE_2D, texture);
    glGetTexParameteriv(GL_TEXTURE_2D, which, &value);
    return value;
}

// Names below 4096 that are live objects of one kind: a leak shows as a higher count.
template <typename IsObject>
int live_names(IsObject is_object)
{
    int count = 0;
    for (GLuint name = 1; name < 4096; ++name) {
        count += is_object(name) ? 1 : 0;
    }
    return count;
}

TEST_F(framebuffer_test, colour_textures_are_single_level_nearest_and_clamped)
{
    draw::framebuffer target(37, 21, 2, true);
    EXPECT_EQ(target.width(), 37);
    EXPECT_EQ(target.height(), 21);
    EXPECT_NE(target.color_texture(0), target.color_texture(1));
    for (std::size_t i = 0; i < 2; ++i) {
        const GLuint texture = target.color_texture(i);
        EXPECT_EQ(test::texture_level_parameter(texture, 0, GL_TEXTURE_WIDTH), 37);
        EXPECT_EQ(test::texture_level_parameter(texture, 0, GL_TEXTURE_HEIGHT), 21);
        EXPECT_EQ(test::texture_level_parameter(texture, 1, GL_TEXTURE_WIDTH), 0);
        EXPECT_EQ(texture_parameter(texture, GL_TEXTURE_MIN_FILTER), GL_NEAREST);
        EXPECT_EQ(texture_parameter(texture, GL_TEXTURE_MAG_FILTER), GL_NEAREST);
        EXPECT_EQ(texture_parameter(texture, GL_TEXTURE_WRAP_S), GL_CLAMP);
        EXPECT_EQ(texture_parameter(texture, GL_TEXTURE_WRAP_T), GL_CLAMP);
    }
    EXPECT_EQ(message_of([&] { target.color_texture(2); }), "Index out of range.");
}

TEST_F(framebuffer_test, bind_sets_the_viewport_and_unbind_leaves_it)
{
    draw::framebuffer target(40, 30, 1, false);
    glViewport(1, 2, 3, 4);
    EXPECT_EQ(draw_binding(), 0);

    target.bind();
    EXPECT_NE(draw_binding(), 0);
    EXPECT_EQ(viewport(), (std::vector<GLint>{0, 0, 40, 30}));

    target.unbind();
    EXPECT_EQ(draw_binding(), 0);
    EXPECT_EQ(viewport(), (std::vector<GLint>{0, 0, 40, 30}));
}

TEST_F(framebuffer_test, clear_color_fills_the_first_attachment_only)
{
    draw::framebuffer target(8, 4, 2, false);
    target.bind();
    const GLfloat green[4] = {0, 1, 0, 1};
    glClearBufferfv(GL_COLOR, 1, green);
    target.clear_color(1.0f, 0.2f, 0.0f, 1.0f);
    target.unbind();

    const std::vector<std::uint8_t> first = test::texture_pixels(target.color_texture(0), 0, GL_RGB, 8, 4);
    const std::vector<std::uint8_t> second = test::texture_pixels(target.color_texture(1), 0, GL_RGB, 8, 4);
    for (std::size_t i = 0; i < first.size(); i += 3) {
        ASSERT_EQ((std::vector<std::uint8_t>(first.begin() + i, first.begin() + i + 3)),
                  (std::vector<std::uint8_t>{255, 51, 0}))
            << "pixel " << i / 3;
        ASSERT_EQ((std::vector<std::uint8_t>(second.begin() + i, second.begin() + i + 3)),
                  (std::vector<std::uint8_t>{0, 255, 0}))
            << "pixel " << i / 3;
    }
}

TEST_F(framebuffer_test, depth_only_target_clears_its_depth)
{
    draw::framebuffer target(16, 16, 0, true);
    EXPECT_EQ(message_of([&] { target.color_texture(0); }), "Index out of range.");
    target.bind();
    target.clear_depth(0.25f);
    float depth = -1.0f;
    glReadPixels(5, 7, 1, 1, GL_DEPTH_COMPONENT, GL_FLOAT, &depth);
    target.clear_depth(1.0f);
    float cleared = -1.0f;
    glReadPixels(5, 7, 1, 1, GL_DEPTH_COMPONENT, GL_FLOAT, &cleared);
    target.unbind();
    EXPECT_NEAR(depth, 0.25f, 1e-4f);
    EXPECT_EQ(cleared, 1.0f);
}

TEST_F(framebuffer_test, protocol_misuse_is_refused)
{
    draw::framebuffer target(4, 4, 1, true);
    EXPECT_EQ(message_of([&] { target.unbind(); }),
              "Framebuffer cannot be unbound since it was not bound in the first place.");
    EXPECT_EQ(message_of([&] { target.clear_color(0, 0, 0, 0); }), "The framebuffer must be bound for this operation.");
    EXPECT_EQ(message_of([&] { target.clear_depth(1); }), "The framebuffer must be bound for this operation.");

    target.bind();
    EXPECT_EQ(message_of([&] { target.bind(); }), "Framebuffer is already bound.");
    // Still bound after the refused second bind.
    EXPECT_NE(draw_binding(), 0);
    EXPECT_EQ(message_of([&] { target.unbind(); }), "(nothing thrown)");
    EXPECT_EQ(draw_binding(), 0);
}

TEST_F(framebuffer_test, sizes_below_one_are_refused_width_first)
{
    const int textures = live_names([](GLuint n) { return glIsTexture(n); });
    const int framebuffers = live_names([](GLuint n) { return glIsFramebuffer(n); });
    EXPECT_EQ(message_of([] { draw::framebuffer target(0, 0, 1, true); }), "Width must not be less than 1.");
    EXPECT_EQ(message_of([] { draw::framebuffer target(1, 0, 1, true); }), "Height must not be less than 1.");
    EXPECT_EQ(message_of([] { draw::framebuffer target(-5, 1, 1, true); }), "Width must not be less than 1.");
    EXPECT_EQ(live_names([](GLuint n) { return glIsTexture(n); }), textures);
    EXPECT_EQ(live_names([](GLuint n) { return glIsFramebuffer(n); }), framebuffers);
}

TEST_F(framebuffer_test, owns_and_deletes_its_objects)
{
    const int textures = live_names([](GLuint n) { return glIsTexture(n); });
    const int renderbuffers = live_names([](GLuint n) { return glIsRenderbuffer(n); });
    const int framebuffers = live_names([](GLuint n) { return glIsFramebuffer(n); });
    {
        draw::framebuffer target(8, 8, 3, true);
        EXPECT_EQ(live_names([](GLuint n) { return glIsTexture(n); }), textures + 3);
        EXPECT_EQ(live_names([](GLuint n) { return glIsRenderbuffer(n); }), renderbuffers + 1);
        EXPECT_EQ(live_names([](GLuint n) { return glIsFramebuffer(n); }), framebuffers + 1);
    }
    EXPECT_EQ(live_names([](GLuint n) { return glIsTexture(n); }), textures);
    EXPECT_EQ(live_names([](GLuint n) { return glIsRenderbuffer(n); }), renderbuffers);
    EXPECT_EQ(live_names([](GLuint n) { return glIsFramebuffer(n); }), framebuffers);
}

TEST_F(framebuffer_test, incomplete_target_throws_without_leaking_or_staying_bound)
{
    // Wider than the driver allows: the attachments get no storage, so the target is incomplete.
    GLint max_texture = 0;
    GLint max_renderbuffer = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &max_texture);
    glGetIntegerv(GL_MAX_RENDERBUFFER_SIZE, &max_renderbuffer);
    const int too_wide = std::max(max_texture, max_renderbuffer) + 1;

    const int textures = live_names([](GLuint n) { return glIsTexture(n); });
    const int renderbuffers = live_names([](GLuint n) { return glIsRenderbuffer(n); });
    const int framebuffers = live_names([](GLuint n) { return glIsFramebuffer(n); });
    EXPECT_EQ(message_of([&] { draw::framebuffer target(too_wide, 1, 2, true); }),
              "Failed setting up the framebuffer object.");
    while (glGetError() != GL_NO_ERROR) {
        // The driver's size errors are expected here; keep them from the next test.
    }
    EXPECT_EQ(draw_binding(), 0);
    EXPECT_EQ(live_names([](GLuint n) { return glIsTexture(n); }), textures);
    EXPECT_EQ(live_names([](GLuint n) { return glIsRenderbuffer(n); }), renderbuffers);
    EXPECT_EQ(live_names([](GLuint n) { return glIsFramebuffer(n); }), framebuffers);
}

} // namespace
