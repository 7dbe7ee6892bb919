#include "input/sticky_input.hpp"

#include <GLFW/glfw3.h>

namespace kalvanor {

void make_input_sticky(GLFWwindow* window)
{
    glfwSetInputMode(window, GLFW_STICKY_KEYS, GLFW_TRUE);
    glfwSetInputMode(window, GLFW_STICKY_MOUSE_BUTTONS, GLFW_TRUE);
}

bool read_key(GLFWwindow* window, int key) { return glfwGetKey(window, key) == GLFW_PRESS; }

bool read_mouse_button(GLFWwindow* window, int button) { return glfwGetMouseButton(window, button) == GLFW_PRESS; }

} // namespace kalvanor
