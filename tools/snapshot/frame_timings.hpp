#pragma once

#include <array>
#include <chrono>
#include <iosfwd>
#include <vector>

#include "draw/gl.hpp"
#include "scene/render_pass.hpp"

namespace snapshot {

// Times whole frames by the wall clock and each pass on the GPU (GL_TIME_ELAPSED), skipping the
// first warm_up frames, whose shader compiles, texture uploads and first-touch allocations say
// nothing about the steady state. The frames take turns: one times its passes, the next the
// whole frame without any query, as a software renderer pays 1 to 2 ms a frame for the passes'
// queries, which the game never runs. Set it as the pipeline's listener and bracket each frame
// with frame_begun / frame_ended; it needs the frame's context current throughout.
class frame_timings final : public pass_listener {
public:
    static constexpr int default_warm_up = 3;

    // Creates one query per pass. Throws std::runtime_error "The driver has no timer queries."
    // where GL_ARB_timer_query is missing.
    explicit frame_timings(int warm_up = default_warm_up);
    ~frame_timings();
    frame_timings(const frame_timings&) = delete;
    frame_timings& operator=(const frame_timings&) = delete;

    void frame_begun();
    // Waits for the GPU (glFinish) so the wall time covers the real work, then collects the
    // passes' results, which are all available by then: no read stalls inside a frame.
    void frame_ended();

    // A replay's recorded frame time (the game's own window, as its loop measured it) for the
    // frame about to be timed; counted with the same warm-up, reported beside the frame's.
    void frame_recorded(double dt);

    void pass_begun(render_pass pass) override;
    void pass_ended(render_pass pass) override;

    // A line on the warm-up, one line per pass that ran, "pass NAME: median X.XX ms" (GPU time),
    // then "frame WxH: median X.X ms, p95 Y.Y ms over N frames" (wall time), and after a replay
    // "recorded WxH: median X.X ms, p95 Y.Y ms over N frames" (the game window's frame times).
    void report(std::ostream& out, int width, int height) const;

private:
    int warm_up_;
    int frames_seen_ = 0;
    bool timing_passes_ = false; // this frame's turn: its passes rather than the whole of it
    std::array<GLuint, render_pass_count> queries_{};
    // Passes whose query ran this frame; a pass the pipeline skipped has no result to read.
    std::array<bool, render_pass_count> issued_{};
    std::array<std::vector<double>, render_pass_count> pass_ms_;
    std::vector<double> frame_ms_;
    std::vector<double> recorded_ms_;
    std::chrono::steady_clock::time_point frame_start_;
};

} // namespace snapshot
