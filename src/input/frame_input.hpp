#pragma once

#include <array>
#include <cstdint>

// Everything the game reads from its devices in one frame, read once at the frame's start. Plain
// data with no windowing library in it: the controllers take it, and a recording stores it, so a
// replayed frame sees exactly what the played one saw.

// GLFW's gamepad layout and numbering (SDL's controller names), copied out of GLFW's own record.
struct gamepad_state {
    enum button : int {
        a, b, x, y, left_bumper, right_bumper, back, start, guide, left_thumb, right_thumb,
        dpad_up, dpad_right, dpad_down, dpad_left, button_count
    };
    enum axis : int { left_x, left_y, right_x, right_y, left_trigger, right_trigger, axis_count };

    std::array<std::uint8_t, button_count> buttons{}; // 1 pressed, 0 released
    // Sticks -1..1 with y growing downward; triggers -1 released .. 1 fully pressed.
    std::array<float, axis_count> axes{};
};

struct frame_input {
    // Keys and mouse buttons: down now, or pressed and released since the previous frame.
    bool escape = false;
    bool w = false;
    bool a = false;
    bool s = false;
    bool d = false;
    bool f1 = false;
    bool f3 = false;
    bool f4 = false;
    bool f5 = false;
    bool f8 = false;
    bool f9 = false;
    bool left_button = false;
    bool right_button = false;
    double cursor_x = 0.0; // pixels from the client area's top-left corner
    double cursor_y = 0.0;
    int window_width = 0; // client size in pixels
    int window_height = 0;
    bool gamepad_connected = false;
    gamepad_state gamepad; // zeros, and not looked at, while none is connected
};
