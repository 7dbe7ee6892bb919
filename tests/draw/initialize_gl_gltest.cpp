#include "draw/gl.hpp"
#include "draw/initialize_gl.hpp"
#include "support/gl_context.hpp"

#include <GLFW/glfw3.h>

namespace {

class initialize_gl_test : public test::gl_test {};

TEST_F(initialize_gl_test, takes_the_four_entry_points_from_the_window_library)
{
    EXPECT_TRUE(draw::gl_initialized());
    EXPECT_EQ(reinterpret_cast<GLFWglproc>(glGenerateMipmap), glfwGetProcAddress("glGenerateMipmap"));
    EXPECT_EQ(reinterpret_cast<GLFWglproc>(glGenVertexArrays), glfwGetProcAddress("glGenVertexArrays"));
    EXPECT_EQ(reinterpret_cast<GLFWglproc>(glBindVertexArray), glfwGetProcAddress("glBindVertexArray"));
    EXPECT_EQ(reinterpret_cast<GLFWglproc>(glDeleteVertexArrays), glfwGetProcAddress("glDeleteVertexArrays"));
    EXPECT_NE(glGenerateMipmap, nullptr);
}

TEST_F(initialize_gl_test, a_second_call_does_nothing)
{
    // A repeated load would overwrite this marker with the driver's entry point again.
    const PFNGLGENERATEMIPMAPPROC real = __glewGenerateMipmap;
    const PFNGLGETUNIFORMLOCATIONPROC real_uniform = __glewGetUniformLocation;
    __glewGenerateMipmap = nullptr;
    __glewGetUniformLocation = nullptr;
    draw::initialize_gl();
    const bool untouched = __glewGenerateMipmap == nullptr && __glewGetUniformLocation == nullptr;
    __glewGenerateMipmap = real;
    __glewGetUniformLocation = real_uniform;
    EXPECT_TRUE(untouched);
}

} // namespace
