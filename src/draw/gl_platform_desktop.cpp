#include "draw/gl_platform.hpp"

#include <stdexcept>

#include <GLFW/glfw3.h>

namespace draw {

namespace {
bool initialized = false;
}

void initialize_gl()
{
    if (initialized) {
        return;
    }
    if (glewInit() != GLEW_OK) {
        throw std::runtime_error("GLEW could not be initialized.");
    }
    initialized = true;
    // Older GLEW releases miss these in some contexts unless switched to experimental mode;
    // the windowing library's loader always finds them.
    glGenVertexArrays = reinterpret_cast<PFNGLGENVERTEXARRAYSPROC>(glfwGetProcAddress("glGenVertexArrays"));
    glBindVertexArray = reinterpret_cast<PFNGLBINDVERTEXARRAYPROC>(glfwGetProcAddress("glBindVertexArray"));
    glDeleteVertexArrays =
        reinterpret_cast<PFNGLDELETEVERTEXARRAYSPROC>(glfwGetProcAddress("glDeleteVertexArrays"));
    glGenerateMipmap = reinterpret_cast<PFNGLGENERATEMIPMAPPROC>(glfwGetProcAddress("glGenerateMipmap"));
}

bool gl_initialized() { return initialized; }

std::string_view glsl_version_lines() { return "#version 330\n"; }

void set_polygon_outlines(bool outlines) { glPolygonMode(GL_FRONT_AND_BACK, outlines ? GL_LINE : GL_FILL); }

void set_multisample(bool enabled)
{
    if (enabled) {
        glEnable(GL_MULTISAMPLE);
    } else {
        glDisable(GL_MULTISAMPLE);
    }
}

// A frame that takes longer than this is already unplayable; the wait gives up rather than hang
// the game on a lost context.
GLuint64 longest_fence_wait_ns() { return 1000000000; }

} // namespace draw
