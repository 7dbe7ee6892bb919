#include "input/input_reader.hpp"

#include <GLFW/glfw3.h>

namespace kalvanor {

input_reader::input_reader(GLFWwindow* window) : keyboard_(window), mouse_(window)
{
    glfwSetInputMode(window, GLFW_STICKY_KEYS, GLFW_TRUE);
    glfwSetInputMode(window, GLFW_STICKY_MOUSE_BUTTONS, GLFW_TRUE);
}

frame_input input_reader::read()
{
    frame_input in;
    in.escape = keyboard_.is_pressed(key::escape);
    in.w = keyboard_.is_pressed(key::w);
    in.a = keyboard_.is_pressed(key::a);
    in.s = keyboard_.is_pressed(key::s);
    in.d = keyboard_.is_pressed(key::d);
    in.f1 = keyboard_.is_pressed(key::f1);
    in.f3 = keyboard_.is_pressed(key::f3);
    in.f4 = keyboard_.is_pressed(key::f4);
    in.f5 = keyboard_.is_pressed(key::f5);
    in.f8 = keyboard_.is_pressed(key::f8);
    in.f9 = keyboard_.is_pressed(key::f9);
    in.left_button = mouse_.is_button_pressed(mouse_button::left);
    in.right_button = mouse_.is_button_pressed(mouse_button::right);
    mouse_.cursor_position(in.cursor_x, in.cursor_y);
    mouse_.window_size(in.window_width, in.window_height);
    in.gamepad_connected = gamepad_.read(in.gamepad);
    return in;
}

} // namespace kalvanor
