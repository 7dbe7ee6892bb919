#include "input/mouse.hpp"

#include <GLFW/glfw3.h>

#include "input/sticky_input.hpp"

namespace kalvanor {

static_assert(mouse_button::left == GLFW_MOUSE_BUTTON_LEFT && mouse_button::right == GLFW_MOUSE_BUTTON_RIGHT);

void mouse::set_cursor_visible(bool visible) const
{
    glfwSetInputMode(window_, GLFW_CURSOR, visible ? GLFW_CURSOR_NORMAL : GLFW_CURSOR_HIDDEN);
}

void mouse::cursor_position(double& x, double& y) const { glfwGetCursorPos(window_, &x, &y); }

bool mouse::is_button_pressed(int button) const { return read_mouse_button(window_, button); }

void mouse::window_size(int& width, int& height) const { glfwGetWindowSize(window_, &width, &height); }

} // namespace kalvanor
