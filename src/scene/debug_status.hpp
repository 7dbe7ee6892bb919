#pragma once

#include <cstdint>
#include <string>

#include "scene/render_settings.hpp"
#include "scene/draw_counters.hpp"

struct frame_input;

// Frames per second averaged over whole periods of `period` seconds.
struct fps_counter {
    double period = 1.0; // seconds
    double fps = 0.0;    // 0 until the first period completes
    std::int32_t frames = 0;
    double elapsed = 0.0; // seconds into the current period

    // The rate with one decimal, cut rather than rounded: 59.97 reads "59.9".
    std::string to_string() const;
};

// Whether each debug key is down in this frame.
struct debug_keys {
    bool f1 = false;
    bool f3 = false;
    bool f4 = false;
    bool f5 = false;
    bool f8 = false;
    bool f9 = false;
};

// Debug mode (F1), the rendering switches it unlocks, and the status line for the window title.
class debug_status {
public:
    // Takes the six keys from the frame's input, then updates as below.
    void update(const frame_input& in, double dt);
    // A key acts once when it goes down, never while held; F3 to F9 act only in debug mode.
    void update(const debug_keys& keys, double dt);

    // The status line. Rebuilt only when something it shows has changed, into the same string,
    // so a frame that changes nothing in it costs no formatting and no allocation.
    const std::string& title() const;

    std::int32_t frame_ms = 0; // last frame, whole milliseconds, truncated
    fps_counter fps;
    ::draw_counters draw_counters;
    ::render_settings render_settings;
    bool debug = false;

private:
    // What the title shows, as of its last rebuild.
    struct shown {
        bool debug;
        double fps;
        std::int32_t frame_ms;
        std::int32_t meshes;
        std::int32_t triangles;
        ::render_settings settings;
    };
    shown now() const;
    static bool same(const shown& a, const shown& b);

    debug_keys previous_;
    mutable std::string title_;
    mutable shown shown_{};
    mutable bool built_ = false;
};
