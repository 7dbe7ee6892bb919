#include "draw/initialize_gl.hpp"

#include <stdexcept>

#include "draw/gl.hpp"

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

} // namespace draw
