#pragma once

#include <vector>

#include "input/frame_input.hpp"

class world;

namespace snapshot {

class frame_timings;

// The scripted run the snapshot shows: the player drives a right-hand curve while the camera
// orbits round to look east, where an enemy comes over a hill beside a lake, and then fires away
// from the camera. Frame times are fixed, so every run is the same.
namespace scenario {

constexpr double frame_dt = 1.0 / 60.0; // seconds
constexpr int default_frames = 48;

// What the keyboard and mouse do in frame `index` (from 0) in a window of width x height pixels:
// one cursor serves the aim and the orbit drag.
frame_input input_of(int index, int width, int height);

// Runs `frames` frames of the script on w, which holds a new game (the enemies spawned, nothing
// updated yet), through the game's own frame, and draws each frame through a renderer made
// here. The current context's default framebuffer must be width x height pixels, and the working
// directory must hold the game's assets/. Returns the last frame as RGBA pixels, rows bottom
// first, read from the back buffer before any swap. With `timings`, it is the pipeline's listener
// and brackets every frame. Throws what the renderer throws.
std::vector<unsigned char> capture(world& w, int width, int height, int frames, frame_timings* timings = nullptr);

} // namespace scenario

} // namespace snapshot
