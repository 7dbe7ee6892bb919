#pragma once

#include <cstddef>
#include <vector>

#include "draw/gl.hpp"

namespace draw {

// An off-screen render target of fixed size: one RGB texture per colour attachment (single
// level, nearest filtering, clamped, so later passes read it texel for texel) and an optional
// depth renderbuffer. bind / unbind must alternate; misuse throws a kalvanor::exception.
class framebuffer {
public:
    // Throws "Width must not be less than 1." / "Height must not be less than 1." (width first)
    // before creating anything, and "Failed setting up the framebuffer object." when the driver
    // reports the target incomplete. With 0 colour attachments it is a depth-only target.
    framebuffer(int width, int height, int color_attachments, bool with_depth);
    ~framebuffer();
    framebuffer(const framebuffer&) = delete;
    framebuffer& operator=(const framebuffer&) = delete;

    // Makes this the draw and read target and sets the viewport to cover it exactly.
    // Throws "Framebuffer is already bound.".
    void bind();
    // Goes back to the window's framebuffer; the viewport is left for the next pass to set.
    // Throws "Framebuffer cannot be unbound since it was not bound in the first place.".
    void unbind();

    // Both require bind(), else throw "The framebuffer must be bound for this operation.".
    // clear_color clears the first colour attachment only.
    void clear_color(float r, float g, float b, float a);
    void clear_depth(float depth);

    // Throws "Index out of range." past the last attachment. Usable while unbound.
    GLuint color_texture(std::size_t index) const;

    int width() const { return width_; }
    int height() const { return height_; }

private:
    void require_bound() const;
    void release();

    int width_;
    int height_;
    bool has_depth_;
    GLuint framebuffer_ = 0;
    std::vector<GLuint> color_textures_;
    GLuint depth_buffer_ = 0; // 0 without depth
    bool bound_ = false;
};

} // namespace draw
