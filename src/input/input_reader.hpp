#pragma once

#include "input/frame_input.hpp"
#include "input/gamepad_reader.hpp"
#include "input/keyboard.hpp"
#include "input/mouse.hpp"

struct GLFWwindow;

namespace kalvanor {

// The one reader of the window's keys, buttons, cursor and size, and of the gamepad. Sticky keys
// and buttons are on, so a press and release that both fall between two polls still reads as
// pressed in the next frame (see sticky_key_down); GLFW forgets such a press once it has been
// read, which is why every key is read here, once a frame, and nowhere else.
class input_reader {
public:
    explicit input_reader(GLFWwindow* window);

    // Everything the game reads in this frame.
    frame_input read();

private:
    bool key(int code, bool down_before) const;
    bool button(int code, bool down_before) const;

    keyboard keyboard_;
    mouse mouse_;
    gamepad_reader gamepad_;
    frame_input previous_; // what the last read reported
};

} // namespace kalvanor
