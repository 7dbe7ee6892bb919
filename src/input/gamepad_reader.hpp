#pragma once

struct gamepad_state;

namespace kalvanor {

// The first connected joystick that GLFW knows as a gamepad, asked afresh every frame, so a pad
// may come and go at any time. The one place that knows whether the platform has a gamepad API.
class gamepad_reader {
public:
    // True and the pad's state when one is connected; false, and the state left alone, otherwise.
    bool read(gamepad_state& state);

private:
    [[maybe_unused]] int last_ = 0; // the joystick slot that answered last, tried first (unused without a gamepad API)
};

} // namespace kalvanor
