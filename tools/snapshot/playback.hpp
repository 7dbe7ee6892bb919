#pragma once

#include <cstdint>
#include <vector>

#include "app/recording.hpp"

class controllers;
class world;

namespace snapshot {

class frame_timings;

// Where the frames come from: the scripted scene or a recorded session.
class frame_source {
public:
    virtual ~frame_source() = default;
    // The next frame's input and dt; false after the last.
    virtual bool next(kalvanor::recorded_frame& frame) = 0;
    // The world's checksum after the rules of the frame last given; throws when it must differ.
    virtual void check(std::uint64_t checksum) = 0;
    // Whether the frames' dt are what a running game measured, and so worth reporting.
    virtual bool measured() const { return false; }
};

// Plays every frame of `source` on w through the game's own frame (the controllers c, which act
// on w, then the debug keys and the drawing), in a renderer made here, and checks each frame's
// checksum. Frames 0 to last_drawn are drawn (every frame when it is negative); the rest only
// have their rules run. The current context's default framebuffer must be width x height pixels
// and the working directory must hold assets/. Returns the last frame drawn as RGBA pixels, rows
// bottom first, and its number in `drawn`, -1 when none was. With `timings`, it is the
// pipeline's listener and brackets every drawn frame, and is given the measured dt of each.
std::vector<unsigned char> play(world& w, controllers& c, int width, int height, frame_source& source, int last_drawn,
                                int& drawn, frame_timings* timings = nullptr);

} // namespace snapshot
