#pragma once

#include <string_view>

#include "draw/gl.hpp"
#include "draw/initialize_gl.hpp"

// What differs between desktop OpenGL 3.3 and the browser's WebGL 2 once the headers are the
// same: each platform implements these in its own file (gl_platform_desktop.cpp and
// gl_platform_web.cpp); everything else calls the same OpenGL.
namespace draw {

// The lines that open every shader the game compiles: the GLSL version, and on OpenGL ES the
// extensions and default precisions the shader files rely on.
std::string_view glsl_version_lines();

// Draws polygons as their outlines (true) or filled. A browser without WEBGL_polygon_mode keeps
// them filled.
void set_polygon_outlines(bool outlines);

// Multisampling of the default framebuffer. A browser decides it when the context is created,
// so there it does nothing.
void set_multisample(bool enabled);

// The longest time, in nanoseconds, that the CPU may block on a fence. WebGL allows no wait at
// all: the browser paces frames itself.
GLuint64 longest_fence_wait_ns();

} // namespace draw
