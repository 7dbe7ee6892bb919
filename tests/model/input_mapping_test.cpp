#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "input/frame_input.hpp"
#include "model/input_mapping.hpp"

namespace {

using pad = gamepad_state;

// A connected pad at rest (triggers released) in an 800 x 600 window, mouse in the middle.
frame_input resting()
{
    frame_input in;
    in.window_width = 800;
    in.window_height = 600;
    in.cursor_x = 400.5;
    in.cursor_y = 300.5;
    in.gamepad_connected = true;
    in.gamepad.axes[pad::left_trigger] = -1.0f;
    in.gamepad.axes[pad::right_trigger] = -1.0f;
    return in;
}

struct row {
    const char* name;
    std::function<void(frame_input&)> set;
    // forward, back, left, right, fire, orbit turn
    bool f, b, l, r, fire;
    float turn;
};

TEST(input_mapping, the_pad_drives_fires_and_orbits_beside_the_keyboard_within_its_dead_zones)
{
    const row rows[] = {
        {"at rest", [](frame_input&) {}, false, false, false, false, false, 0.0f},
        {"sticks and trigger inside the dead zones", [](frame_input& in) {
             in.gamepad.axes = {0.3f, -0.3f, 0.2f, 0.2f, -1.0f, -0.65f};
         }, false, false, false, false, false, 0.0f},
        {"left stick up and left", [](frame_input& in) {
             in.gamepad.axes[pad::left_y] = -0.9f;
             in.gamepad.axes[pad::left_x] = -0.5f;
         }, true, false, true, false, false, 0.0f},
        {"left stick down and right", [](frame_input& in) {
             in.gamepad.axes[pad::left_y] = 0.4f;
             in.gamepad.axes[pad::left_x] = 1.0f;
         }, false, true, false, true, false, 0.0f},
        {"d-pad up and right", [](frame_input& in) {
             in.gamepad.buttons[pad::dpad_up] = 1;
             in.gamepad.buttons[pad::dpad_right] = 1;
         }, true, false, false, true, false, 0.0f},
        {"right trigger a quarter down", [](frame_input& in) { in.gamepad.axes[pad::right_trigger] = -0.5f; },
         false, false, false, false, true, 0.0f},
        {"left trigger does not fire", [](frame_input& in) { in.gamepad.axes[pad::left_trigger] = 1.0f; },
         false, false, false, false, false, 0.0f},
        {"right shoulder", [](frame_input& in) { in.gamepad.buttons[pad::right_bumper] = 1; },
         false, false, false, false, false, 0.5f},
        {"left shoulder", [](frame_input& in) { in.gamepad.buttons[pad::left_bumper] = 1; },
         false, false, false, false, false, -0.5f},
        {"both shoulders", [](frame_input& in) {
             in.gamepad.buttons[pad::left_bumper] = 1;
             in.gamepad.buttons[pad::right_bumper] = 1;
         }, false, false, false, false, false, 0.0f},
        {"keys and mouse beside a resting pad", [](frame_input& in) {
             in.s = in.d = in.left_button = true;
         }, false, true, false, true, true, 0.0f},
        {"a disconnected pad's last state is ignored", [](frame_input& in) {
             in.gamepad.axes = {-1.0f, -1.0f, 1.0f, 0.0f, 1.0f, 1.0f};
             in.gamepad.buttons[pad::left_bumper] = 1;
             in.gamepad_connected = false;
         }, false, false, false, false, false, 0.0f},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.name);
        frame_input in = resting();
        r.set(in);
        aim_owner owner{false, in.cursor_x, in.cursor_y};
        const player_input p = player_input_of(in, owner);
        EXPECT_EQ(p.forward, r.f);
        EXPECT_EQ(p.back, r.b);
        EXPECT_EQ(p.left, r.l);
        EXPECT_EQ(p.right, r.r);
        EXPECT_EQ(p.fire, r.fire);
        EXPECT_EQ(orbit_input_of(in).turn, r.turn);
        EXPECT_FALSE(owner.stick);
    }
}

// The cursor offset from the window centre that the aim rule measures.
double offset_angle(const player_input& p)
{
    const double cx = std::floor(p.cursor_x) - p.window_width / 2;
    const double cy = std::floor(p.cursor_y) - p.window_height / 2;
    return std::atan2(cy, cx);
}

TEST(input_mapping, the_right_stick_aims_a_resting_stick_keeps_the_aim_until_the_mouse_moves)
{
    aim_owner owner;
    frame_input in = resting();
    player_input_of(in, owner);

    in.gamepad.axes[pad::right_x] = 0.6f; // down and to the right
    in.gamepad.axes[pad::right_y] = 0.6f;
    player_input p = player_input_of(in, owner);
    EXPECT_NEAR(offset_angle(p), std::atan2(1.0, 1.0), 1e-3);
    in.gamepad.axes[pad::right_x] = -0.1f; // at rest again, within the dead zone
    in.gamepad.axes[pad::right_y] = 0.2f;
    for (int frame = 0; frame < 2; ++frame) {
        p = player_input_of(in, owner);
        // Exactly at the centre the aim rule keeps the last aim.
        EXPECT_EQ(std::floor(p.cursor_x), 400.0);
        EXPECT_EQ(std::floor(p.cursor_y), 300.0);
    }
    in.cursor_x = 100.0; // the mouse moves: it aims again
    p = player_input_of(in, owner);
    EXPECT_EQ(p.cursor_x, 100.0);
    EXPECT_FALSE(owner.stick);
    // Pulled out while aiming: the mouse aims, nothing stays held.
    in.gamepad.axes[pad::right_x] = 1.0f;
    player_input_of(in, owner);
    in.gamepad_connected = false;
    in.cursor_x = 120.0;
    p = player_input_of(in, owner);
    EXPECT_EQ(p.cursor_x, 120.0);
    EXPECT_FALSE(p.fire || p.forward || p.back || p.left || p.right);
}

} // namespace
