#include "hidden_window.hpp"

#include <stdexcept>
#include <string>

#include <GLFW/glfw3.h>

namespace snapshot {

namespace {

std::string size_text(int width, int height) { return std::to_string(width) + "x" + std::to_string(height); }

} // namespace

hidden_window::hidden_window(int width, int height)
{
    // Returns at once when GLFW is already up (the GL tests bring it up first).
    if (glfwInit() != GLFW_TRUE) {
        throw std::runtime_error("Failed initializing GLFW.");
    }
    previous_ = glfwGetCurrentContext();
    // Hints stay set between calls; start from the defaults so that a test's hints do not leak in.
    glfwDefaultWindowHints();
    glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
    glfwWindowHint(GLFW_RESIZABLE, GLFW_FALSE);
    window_ = glfwCreateWindow(width, height, "kalvanor-snapshot", nullptr, nullptr);
    // Nor do ours leak out into windows made after this one.
    glfwDefaultWindowHints();
    if (window_ == nullptr) {
        throw std::runtime_error("Failed creating a window.");
    }
    glfwMakeContextCurrent(window_);
    // The pipeline sizes its targets and viewport from the numbers it is given, not from the
    // window, so a window manager or a high-density display changing the size must not pass.
    int drawable_width = 0;
    int drawable_height = 0;
    glfwGetFramebufferSize(window_, &drawable_width, &drawable_height);
    if (drawable_width != width || drawable_height != height) {
        glfwMakeContextCurrent(previous_);
        glfwDestroyWindow(window_);
        throw std::runtime_error("The window's framebuffer is " + size_text(drawable_width, drawable_height) +
                                 ", not " + size_text(width, height) + ".");
    }
}

hidden_window::~hidden_window()
{
    glfwMakeContextCurrent(previous_);
    glfwDestroyWindow(window_);
}

} // namespace snapshot
