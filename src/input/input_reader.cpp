#include "input/input_reader.hpp"

#include "input/sticky_input.hpp"
#include "input/sticky_key.hpp"

namespace kalvanor {

input_reader::input_reader(GLFWwindow* window) : keyboard_(window), mouse_(window)
{
    make_input_sticky(window);
}

bool input_reader::key(int code, bool down_before) const
{
    const bool first = keyboard_.is_pressed(code);
    return sticky_key_down(first, first && keyboard_.is_pressed(code), down_before);
}

bool input_reader::button(int code, bool down_before) const
{
    const bool first = mouse_.is_button_pressed(code);
    return sticky_key_down(first, first && mouse_.is_button_pressed(code), down_before);
}

frame_input input_reader::read()
{
    const frame_input& was = previous_;
    frame_input in;
    in.escape = key(key::escape, was.escape);
    in.w = key(key::w, was.w);
    in.a = key(key::a, was.a);
    in.s = key(key::s, was.s);
    in.d = key(key::d, was.d);
    in.f1 = key(key::f1, was.f1);
    in.f3 = key(key::f3, was.f3);
    in.f4 = key(key::f4, was.f4);
    in.f5 = key(key::f5, was.f5);
    in.f8 = key(key::f8, was.f8);
    in.f9 = key(key::f9, was.f9);
    in.left_button = button(mouse_button::left, was.left_button);
    in.right_button = button(mouse_button::right, was.right_button);
    mouse_.cursor_position(in.cursor_x, in.cursor_y);
    mouse_.window_size(in.window_width, in.window_height);
    in.gamepad_connected = gamepad_.read(in.gamepad);
    previous_ = in;
    return in;
}

} // namespace kalvanor
