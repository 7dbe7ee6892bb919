#include "draw/gl_platform.hpp"

#include <emscripten.h>

namespace draw {

namespace {

bool initialized = false;

// WEBGL_polygon_mode is a browser extension with no C entry point in Emscripten's GL library.
// Emscripten has already enabled every extension the context offers.
EM_JS(void, web_polygon_mode, (int outlines), {
    var ext = GLctx.getExtension('WEBGL_polygon_mode');
    if (ext) {
        ext.polygonModeWEBGL(GLctx.FRONT_AND_BACK, outlines ? ext.LINE_WEBGL : ext.FILL_WEBGL);
    }
});

} // namespace

// Emscripten binds every WebGL 2 call itself; there is nothing to load.
void initialize_gl() { initialized = true; }

bool gl_initialized() { return initialized; }

// The basic shaders clip the mirrored scene at the water with gl_ClipDistance, which WebGL 2
// has through WEBGL_clip_cull_distance (GLSL's GL_ANGLE_clip_cull_distance). GLSL ES has no
// default precision for floats in fragment shaders nor for shadow samplers.
std::string_view glsl_version_lines()
{
    return "#version 300 es\n"
           "#extension GL_ANGLE_clip_cull_distance : enable\n"
           "precision highp float;\n"
           "precision highp int;\n"
           "precision highp sampler2D;\n"
           "precision highp sampler2DShadow;\n";
}

void set_polygon_outlines(bool outlines) { web_polygon_mode(outlines ? 1 : 0); }

void set_multisample(bool) {}

GLuint64 longest_fence_wait_ns() { return 0; }

} // namespace draw
