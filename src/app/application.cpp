#include "app/application.hpp"

#include <stdexcept>

#include <GLFW/glfw3.h>

#include "app/game.hpp"

namespace kalvanor {

namespace {
// GLFW is initialised once per process and never terminated: the window is the only user.
bool glfw_initialized = false;
} // namespace

application::application(window_settings settings)
    : settings_(std::move(settings))
{
    if (!glfw_initialized) {
        if (glfwInit() != GLFW_TRUE) {
            throw std::runtime_error("Failed initializing GLFW.");
        }
        glfw_initialized = true;
    }

    GLFWmonitor* monitor = nullptr;
    int width = settings_.width;
    int height = settings_.height;
    if (settings_.fullscreen) {
        monitor = full_screen(width, height);
    }

    // GLFW asserts on negative sizes rather than failing, so refuse them here.
    if (width <= 0 || height <= 0) {
        throw std::runtime_error("Failed creating a window.");
    }
    glfwWindowHint(GLFW_RESIZABLE, GLFW_FALSE);
    glfwWindowHint(GLFW_REFRESH_RATE, settings_.refresh_rate);
    window_ = glfwCreateWindow(width, height, settings_.title.c_str(), monitor, nullptr);
    if (window_ == nullptr) {
        throw std::runtime_error("Failed creating a window.");
    }
    glfwMakeContextCurrent(window_);
    previous_time_ = glfwGetTime();
}

application::~application() { glfwDestroyWindow(window_); }

bool application::step(game& game)
{
    glfwPollEvents();
    const double now = glfwGetTime();
    const double dt = now - previous_time_;
    previous_time_ = now;
    const bool keep = game.update(dt);
    glfwSwapBuffers(window_);
    return keep;
}

void application::framebuffer_size(int& width, int& height) const
{
    glfwGetFramebufferSize(window_, &width, &height);
}

void application::set_title(const std::string& title)
{
    // Every frame hands the title over; telling the window server only when it changed saves a
    // round trip per frame.
    if (title == settings_.title) {
        return;
    }
    settings_.title = title;
    glfwSetWindowTitle(window_, settings_.title.c_str());
}

} // namespace kalvanor
