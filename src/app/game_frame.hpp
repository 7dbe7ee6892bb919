#pragma once

// One frame of the game once its input has been read, in the game's order. The game runs its
// frames through these, and so do the tools that replay recorded or scripted frames, so that
// none of them keeps a copy of the order.

class controllers;
class renderer;
class world;
struct frame_input;

namespace kalvanor {

// Escape asks to quit: false at once, with nothing changed. Otherwise the four controllers in
// their order (dt in seconds, single precision for the model) and true.
bool update_world(controllers& c, const frame_input& in, double dt);

// The rest of the frame: the debug keys and the settings they switch, then the drawing.
void draw_frame(renderer& r, const world& w, const frame_input& in, double dt);

} // namespace kalvanor
