#include "input/gamepad_reader.hpp"

#include <algorithm>
#include <cmath>

#include <GLFW/glfw3.h>

#include "input/frame_input.hpp"

// GLFW gained its gamepad mappings in 3.3; where they are missing (an older GLFW, or a browser
// build whose GLFW has no gamepad API) no pad is ever connected.
#if GLFW_VERSION_MAJOR > 3 || (GLFW_VERSION_MAJOR == 3 && GLFW_VERSION_MINOR >= 3)
#define KALVANOR_HAS_GAMEPAD_API 1
#endif

namespace kalvanor {

#ifdef KALVANOR_HAS_GAMEPAD_API

static_assert(gamepad_state::button_count == GLFW_GAMEPAD_BUTTON_LAST + 1);
static_assert(gamepad_state::axis_count == GLFW_GAMEPAD_AXIS_LAST + 1);
static_assert(gamepad_state::dpad_left == GLFW_GAMEPAD_BUTTON_DPAD_LEFT &&
              gamepad_state::right_bumper == GLFW_GAMEPAD_BUTTON_RIGHT_BUMPER);
static_assert(gamepad_state::right_trigger == GLFW_GAMEPAD_AXIS_RIGHT_TRIGGER &&
              gamepad_state::right_y == GLFW_GAMEPAD_AXIS_RIGHT_Y);

bool gamepad_reader::read(gamepad_state& state)
{
    for (int k = 0; k <= GLFW_JOYSTICK_LAST; ++k) {
        const int slot = (last_ + k) % (GLFW_JOYSTICK_LAST + 1);
        GLFWgamepadstate pad;
        // Fails for an empty slot and for a pad pulled out since the last poll.
        if (glfwJoystickIsGamepad(slot) != GLFW_TRUE || glfwGetGamepadState(slot, &pad) != GLFW_TRUE) {
            continue;
        }
        last_ = slot;
        for (int b = 0; b < gamepad_state::button_count; ++b) {
            state.buttons[b] = pad.buttons[b] == GLFW_PRESS ? 1 : 0;
        }
        for (int a = 0; a < gamepad_state::axis_count; ++a) {
            // A driver may overshoot a little; the record promises -1..1.
            const float v = pad.axes[a];
            state.axes[a] = std::isfinite(v) ? std::clamp(v, -1.0f, 1.0f) : 0.0f;
        }
        return true;
    }
    return false;
}

#else

bool gamepad_reader::read(gamepad_state&) { return false; }

#endif

} // namespace kalvanor
