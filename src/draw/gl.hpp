#pragma once

// The one way game code reaches OpenGL. The desktop build gets OpenGL 3.3 through GLEW's
// declarations, which must come before any other GL header; the browser build gets WebGL 2
// through Emscripten's OpenGL ES 3.0 header. The game uses only calls that both have; the few
// things that differ beyond this header are behind draw/gl_platform.hpp.
#ifdef __EMSCRIPTEN__
#include <GLES3/gl3.h>
#include <GLES2/gl2ext.h>
// Clip distances come from the browser's WEBGL_clip_cull_distance, under ES names.
#define GL_CLIP_DISTANCE0 GL_CLIP_DISTANCE0_EXT
#define GL_TESS_CONTROL_SHADER GL_TESS_CONTROL_SHADER_EXT
#define GL_TESS_EVALUATION_SHADER GL_TESS_EVALUATION_SHADER_EXT
// Desktop error codes that WebGL never reports, so that one table names them all.
#define GL_STACK_OVERFLOW 0x0503
#define GL_STACK_UNDERFLOW 0x0504
#define GL_CONTEXT_LOST 0x0507
#define GLAPIENTRY GL_APIENTRY
#else
#include <GL/glew.h>
#endif
