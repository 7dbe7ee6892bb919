#include "app/application.hpp"

#include <stdexcept>

#include <GLFW/glfw3.h>

namespace kalvanor {

void application::run(game& game)
{
    while (!glfwWindowShouldClose(window_)) {
        if (!step(game)) {
            return;
        }
    }
}

GLFWmonitor* application::full_screen(int& width, int& height)
{
    GLFWmonitor* monitor = glfwGetPrimaryMonitor();
    const GLFWvidmode* mode = monitor != nullptr ? glfwGetVideoMode(monitor) : nullptr;
    if (mode == nullptr) {
        throw std::runtime_error("Failed creating a window.");
    }
    width = mode->width;
    height = mode->height;
    return monitor;
}

} // namespace kalvanor
