#include "input/sticky_input.hpp"

#include <bitset>

#include <GLFW/glfw3.h>

namespace kalvanor {

namespace {

// Presses not yet read. A browser delivers a quick tap's press and release between two
// animation frames, so reading the state alone would miss it.
std::bitset<GLFW_KEY_LAST + 1> pressed_keys;
std::bitset<GLFW_MOUSE_BUTTON_LAST + 1> pressed_buttons;

// Whether `index` was pressed since the last read, forgetting it.
template <std::size_t count>
bool take(std::bitset<count>& pressed, int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= count || !pressed.test(static_cast<std::size_t>(index))) {
        return false;
    }
    pressed.reset(static_cast<std::size_t>(index));
    return true;
}

void on_key(GLFWwindow*, int key, int, int action, int)
{
    if (action == GLFW_PRESS && key >= 0 && key <= GLFW_KEY_LAST) {
        pressed_keys.set(static_cast<std::size_t>(key));
    }
}

void on_mouse_button(GLFWwindow*, int button, int action, int)
{
    if (action == GLFW_PRESS && button >= 0 && button <= GLFW_MOUSE_BUTTON_LAST) {
        pressed_buttons.set(static_cast<std::size_t>(button));
    }
}

} // namespace

void make_input_sticky(GLFWwindow* window)
{
    glfwSetKeyCallback(window, on_key);
    glfwSetMouseButtonCallback(window, on_mouse_button);
}

bool read_key(GLFWwindow* window, int key)
{
    return take(pressed_keys, key) || glfwGetKey(window, key) == GLFW_PRESS;
}

bool read_mouse_button(GLFWwindow* window, int button)
{
    return take(pressed_buttons, button) || glfwGetMouseButton(window, button) == GLFW_PRESS;
}

} // namespace kalvanor
