#pragma once

class world;

// What the camera orbit reads from the mouse in one frame.
struct orbit_input {
    bool dragging_button = false; // right mouse button down
    double cursor_x = 0.0;        // pixels from the client area's left edge
};

// The drag in progress, kept by the camera controller between frames.
struct orbit_drag {
    int last_x = 0; // whole pixels: where the current drag began, or the latest x while idle
    bool dragging = false;
};

// One frame of the right-button orbit. While the button is held the orbit keeps turning at
// (cursor x - drag start) / 128 radians per second, at most max_yaw_speed either way. dt in seconds.
void update_orbit(world& w, orbit_drag& drag, const orbit_input& input, float dt);
