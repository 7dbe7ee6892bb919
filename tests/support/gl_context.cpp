#include "support/gl_context.hpp"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "draw/gl.hpp"
#include "draw/initialize_gl.hpp"

#include <GLFW/glfw3.h>

namespace test {

namespace {

GLFWwindow* shared_window = nullptr;
std::string failure;

void create_context()
{
    static bool tried = false;
    if (tried) {
        return;
    }
    tried = true;
    if (glfwInit() != GLFW_TRUE) {
        failure = "GLFW could not be initialised (no display?)";
        return;
    }
    glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
    shared_window = glfwCreateWindow(256, 256, "kalvanor gl test", nullptr, nullptr);
    if (shared_window == nullptr) {
        failure = "no OpenGL window could be created";
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
        if (std::getenv("CI") != nullptr) {
            FAIL() << "OpenGL context required under CI: " << failure;
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
    const std::string raw = path + ".rgba";
    {
        std::ofstream out(raw, std::ios::binary);
        // Flip to top-first rows for the picture.
        for (int row = height - 1; row >= 0; --row) {
            out.write(reinterpret_cast<const char*>(rgba.data()) + static_cast<std::size_t>(row) * width * 4,
                      static_cast<std::streamsize>(width) * 4);
        }
    }
    const std::string command = "convert -size " + std::to_string(width) + "x" + std::to_string(height) +
                                " -depth 8 rgba:" + raw + " " + path + " 2>/dev/null";
    if (std::system(command.c_str()) != 0) {
        std::fprintf(stderr, "could not write %s (is ImageMagick installed?)\n", path.c_str());
    }
    std::remove(raw.c_str());
}

} // namespace test
