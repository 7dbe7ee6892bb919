#pragma once

#include "model/orbit_rules.hpp"
#include "model/player_rules.hpp"

struct frame_input;

// How a frame's keys, mouse and gamepad become what the rules take. The gamepad adds to the
// keyboard and mouse, which keep working beside it.
//
//   left stick or d-pad   drive (up/down) and turn (left/right), like W/S and A/D
//   right stick           aims the way the cursor's place around the window centre does
//   right trigger         fires, like the left mouse button
//   shoulder buttons      orbit the camera at half its top speed, left one way, right the other

// Dead zones in fractions of full deflection: a stick resting a little off centre, or a trigger
// not quite released, does nothing.
constexpr float drive_dead_zone = 0.35f; // left stick, each axis
constexpr float aim_dead_zone = 0.35f;   // right stick, its distance from the centre
constexpr float trigger_dead_zone = 0.2f; // of the trigger's travel
constexpr float shoulder_turn = 0.5f;    // of the orbit's top speed

// Which device aims. Once the right stick has aimed, a stick at rest keeps the last aim until the
// mouse moves; the mouse aims otherwise. Kept by the player controller between frames.
struct aim_owner {
    bool stick = false;
    double mouse_x = 0.0; // the cursor of the previous frame
    double mouse_y = 0.0;
};

// The player's input for this frame.
player_input player_input_of(const frame_input& in, aim_owner& owner);

// The orbit's input for this frame: the right-button drag and the shoulder buttons.
orbit_input orbit_input_of(const frame_input& in);
