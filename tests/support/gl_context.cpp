#include "support/gl_context.hpp"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "draw/gl.hpp"
#include "draw/initialize_gl.hpp"
#include "png_file.hpp"

#include <GLFW/glfw3.h>

namespace test {

namespace {

GLFWwindow* shared_window = nullptr;
std::string failure;
std::string last_glfw_error = "(GLFW reported no error)";

// Every GLFW error of the process goes to standard error as it happens, and the last one into
// the reason a test gives when it has no context.
void report_glfw_error(int code, const char* description)
{
    char text[512];
    std::snprintf(text, sizeof text, "GLFW error 0x%X: %s", static_cast<unsigned>(code), description);
    last_glfw_error = text;
    std::fprintf(stderr, "%s\n", text);
}

bool context_required() { return std::getenv("CI") != nullptr || std::getenv("KALVANOR_REQUIRE_GL") != nullptr; }

void create_context()
{
    static bool tried = false;
    if (tried) {
        return;
    }
    tried = true;
    glfwSetErrorCallback(report_glfw_error);
    if (glfwInit() != GLFW_TRUE) {
        failure = "GLFW could not be initialised: " + last_glfw_error;
        return;
    }
    glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
    shared_window = glfwCreateWindow(256, 256, "kalvanor gl test", nullptr, nullptr);
    if (shared_window == nullptr) {
        failure = "no OpenGL window could be created: " + last_glfw_error;
        return;
    }
    glfwMakeContextCurrent(shared_window);
    try {
        draw::initialize_gl();
    } catch (const std::exception& e) {
        failure = e.what();
        shared_window = nullptr;
    }
}

} // namespace

void gl_test::SetUp()
{
    create_context();
    if (shared_window == nullptr) {
        if (context_required()) {
            FAIL() << "no OpenGL context, and one is required (CI or KALVANOR_REQUIRE_GL set): " << failure;
        }
        GTEST_SKIP() << "no OpenGL context: " << failure;
    }
}

GLFWwindow* gl_test::window() { return shared_window; }

std::vector<unsigned char> read_pixels(int x, int y, int width, int height)
{
    std::vector<unsigned char> pixels(static_cast<std::size_t>(width) * height * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

void save_png(const std::string& path, const std::vector<unsigned char>& rgba, int width, int height)
{
    try {
        snapshot::write_png(path, rgba, width, height);
    } catch (const std::exception& e) {
        // Only for looking at; the test's own checks decide whether it passes.
        std::fprintf(stderr, "%s\n", e.what());
    }
}

} // namespace test
