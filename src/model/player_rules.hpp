#pragma once

#include "draw/math.hpp"

class world;

// What the player controls in one frame, sampled from the keyboard and mouse.
struct player_input {
    bool forward = false; // W
    bool back = false;    // S
    bool left = false;    // A: turns counter-clockwise seen from above
    bool right = false;   // D
    bool fire = false;    // left mouse button
    double cursor_x = 0.0; // pixels from the client area's top-left corner
    double cursor_y = 0.0;
    int window_width = 0; // client size in pixels
    int window_height = 0;
};

// One frame of the player: aim, turn, drive, drowning, regeneration, beam, enemy contact.
// dt in seconds. Does nothing but keep the beam off once the game is over (phase 2).
void update_player(world& w, const player_input& input, float dt);

// Unit direction of a beam aimed at the horizontal angle aim (radians, heading convention),
// tilted to run parallel to the ground whose unit normal is given.
vec3 beam_direction(const vec3& ground_normal, float aim);
