#include "draw/framebuffer.hpp"

#include "base/exception.hpp"

namespace draw {

framebuffer::framebuffer(int width, int height, int color_attachments, bool with_depth)
    : width_(width), height_(height), has_depth_(with_depth)
{
    if (width < 1) {
        throw kalvanor::exception("Width must not be less than 1.");
    }
    if (height < 1) {
        throw kalvanor::exception("Height must not be less than 1.");
    }
    glGenFramebuffers(1, &framebuffer_);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);

    if (has_depth_) {
        glGenRenderbuffers(1, &depth_buffer_);
        glBindRenderbuffer(GL_RENDERBUFFER, depth_buffer_);
        glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, width, height);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, depth_buffer_);
    }

    const std::size_t count = color_attachments > 0 ? static_cast<std::size_t>(color_attachments) : 0;
    color_textures_.resize(count);
    glGenTextures(static_cast<GLsizei>(count), color_textures_.data());
    std::vector<GLenum> draw_buffers(count);
    for (std::size_t i = 0; i < count; ++i) {
        glBindTexture(GL_TEXTURE_2D, color_textures_[i]);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, width, height, 0, GL_RGB, GL_UNSIGNED_BYTE, nullptr);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        // With nearest filtering the edge texel is all a tap past the edge can see.
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
        const GLenum attachment = GL_COLOR_ATTACHMENT0 + static_cast<GLenum>(i);
        glFramebufferTexture2D(GL_FRAMEBUFFER, attachment, GL_TEXTURE_2D, color_textures_[i], 0);
        draw_buffers[i] = attachment;
    }
    glDrawBuffers(static_cast<GLsizei>(count), draw_buffers.data());

    const bool complete = glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    if (!complete) {
        // The destructor does not run for a constructor that throws.
        release();
        throw kalvanor::exception("Failed setting up the framebuffer object.");
    }
}

framebuffer::~framebuffer() { release(); }

void framebuffer::release()
{
    glDeleteFramebuffers(1, &framebuffer_);
    glDeleteTextures(static_cast<GLsizei>(color_textures_.size()), color_textures_.data());
    glDeleteRenderbuffers(1, &depth_buffer_);
}

void framebuffer::bind()
{
    if (bound_) {
        throw kalvanor::exception("Framebuffer is already bound.");
    }
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
    glViewport(0, 0, width_, height_);
    bound_ = true;
}

void framebuffer::unbind()
{
    if (!bound_) {
        throw kalvanor::exception("Framebuffer cannot be unbound since it was not bound in the first place.");
    }
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    bound_ = false;
}

void framebuffer::require_bound() const
{
    if (!bound_) {
        throw kalvanor::exception("The framebuffer must be bound for this operation.");
    }
}

void framebuffer::clear_color(float r, float g, float b, float a)
{
    require_bound();
    const GLfloat color[4] = {r, g, b, a};
    glClearBufferfv(GL_COLOR, 0, color);
}

void framebuffer::clear_depth(float depth)
{
    require_bound();
    glClearBufferfv(GL_DEPTH, 0, &depth);
}

GLuint framebuffer::color_texture(std::size_t index) const
{
    if (index >= color_textures_.size()) {
        throw kalvanor::exception("Index out of range.");
    }
    return color_textures_[index];
}

} // namespace draw
