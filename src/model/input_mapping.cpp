#include "model/input_mapping.hpp"

#include <cmath>

#include "input/frame_input.hpp"

namespace {

using pad = gamepad_state;

// Far enough from the centre that the aim's angle is as fine as the stick's; the rule looks at
// the cursor's direction only.
constexpr double aim_reach = 4096.0;

} // namespace

player_input player_input_of(const frame_input& in, aim_owner& owner)
{
    player_input p;
    p.forward = in.w;
    p.back = in.s;
    p.left = in.a;
    p.right = in.d;
    p.fire = in.left_button;
    p.cursor_x = in.cursor_x;
    p.cursor_y = in.cursor_y;
    p.window_width = in.window_width;
    p.window_height = in.window_height;

    const bool mouse_moved = std::floor(in.cursor_x) != std::floor(owner.mouse_x) ||
                             std::floor(in.cursor_y) != std::floor(owner.mouse_y);
    owner.mouse_x = in.cursor_x;
    owner.mouse_y = in.cursor_y;
    bool stick_aims = false;
    if (in.gamepad_connected) {
        const auto& b = in.gamepad.buttons;
        const auto& a = in.gamepad.axes;
        p.forward = p.forward || b[pad::dpad_up] != 0 || a[pad::left_y] < -drive_dead_zone;
        p.back = p.back || b[pad::dpad_down] != 0 || a[pad::left_y] > drive_dead_zone;
        p.left = p.left || b[pad::dpad_left] != 0 || a[pad::left_x] < -drive_dead_zone;
        p.right = p.right || b[pad::dpad_right] != 0 || a[pad::left_x] > drive_dead_zone;
        // The trigger rests at -1 and is fully down at 1.
        p.fire = p.fire || a[pad::right_trigger] > -1.0f + 2.0f * trigger_dead_zone;
        const double x = a[pad::right_x];
        const double y = a[pad::right_y];
        stick_aims = std::sqrt(x * x + y * y) > aim_dead_zone;
        if (stick_aims) {
            // Integer halves, as the rule measures the centre.
            p.cursor_x = in.window_width / 2 + std::floor(x * aim_reach);
            p.cursor_y = in.window_height / 2 + std::floor(y * aim_reach);
        }
    }
    if (stick_aims) {
        owner.stick = true;
    } else if (mouse_moved) {
        owner.stick = false;
    }
    if (owner.stick && !stick_aims) {
        // Exactly at the centre the cursor points nowhere, and the rule keeps the last aim.
        p.cursor_x = in.window_width / 2;
        p.cursor_y = in.window_height / 2;
    }
    return p;
}

orbit_input orbit_input_of(const frame_input& in)
{
    orbit_input o;
    o.dragging_button = in.right_button;
    o.cursor_x = in.cursor_x;
    if (in.gamepad_connected) {
        const auto& b = in.gamepad.buttons;
        o.turn = shoulder_turn * static_cast<float>(int{b[pad::right_bumper] != 0} - int{b[pad::left_bumper] != 0});
    }
    return o;
}
