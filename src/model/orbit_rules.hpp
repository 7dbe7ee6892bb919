#pragma once

class world;

// What the camera orbit reads from the mouse in one frame.
struct orbit_input {
    bool dragging_button = false; // right mouse button down
    double cursor_x = 0.0;        // pixels from the client area's left edge
    float turn = 0.0f;            // -1..1 of max_yaw_speed, steadily: the gamepad's shoulder buttons
};

// The drag in progress, kept by the camera controller between frames.
struct orbit_drag {
    int last_x = 0; // whole pixels: where the current drag began, or the latest x while idle
    bool dragging = false;
};

// One frame of the orbit. While the right button is held the orbit keeps turning at
// (cursor x - drag start) / 128 radians per second, at most max_yaw_speed either way; a steady
// turn adds to that. dt in seconds.
void update_orbit(world& w, orbit_drag& drag, const orbit_input& input, float dt);
