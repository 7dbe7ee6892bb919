#pragma once

#include "draw/simple_effect.hpp"

namespace draw {

// A post-processing pass: "shaders/fullscreen_vs.glsl" with a fragment shader of its own, drawn as
// one quad over whatever target and viewport are bound. Changes no GL state but the program.
class fullscreen_effect : public simple_effect {
public:
    // Draws the screen quad through the "position" attribute.
    void draw() override;

    GLuint quad_buffer() const { return quad_buffer_; }

protected:
    fullscreen_effect(content::manager& content, const std::string& fragment_shader);
    ~fullscreen_effect();

private:
    GLuint quad_buffer_;
};

} // namespace draw
