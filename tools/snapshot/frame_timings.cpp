#include "frame_timings.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ostream>
#include <stdexcept>
#include <string>

#include "draw/initialize_gl.hpp"

namespace snapshot {

namespace {

std::size_t index_of(render_pass pass) { return static_cast<std::size_t>(pass); }

std::string format(const char* pattern, double a, double b = 0.0)
{
    char text[64];
    std::snprintf(text, sizeof text, pattern, a, b);
    return text;
}

// The middle value (mean of the two middle ones for an even count); 0 for none.
double median(std::vector<double> values)
{
    if (values.empty()) {
        return 0.0;
    }
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : 0.5 * (values[n / 2 - 1] + values[n / 2]);
}

// Nearest-rank percentile, p in (0, 100]: the smallest value with at least p % of the values at
// or below it; 0 for none.
double percentile(std::vector<double> values, double p)
{
    if (values.empty()) {
        return 0.0;
    }
    std::sort(values.begin(), values.end());
    const auto rank = static_cast<std::size_t>(std::ceil(p / 100.0 * static_cast<double>(values.size())));
    return values[std::clamp<std::size_t>(rank, 1, values.size()) - 1];
}

} // namespace

frame_timings::frame_timings(int warm_up) : warm_up_(warm_up)
{
    // It may come before the renderer, which would load the entry points only then.
    draw::initialize_gl();
    // Core since 3.3; Mesa's llvmpipe has it too.
    if (!GLEW_ARB_timer_query && !GLEW_VERSION_3_3) {
        throw std::runtime_error("The driver has no timer queries.");
    }
    glGenQueries(render_pass_count, queries_.data());
}

frame_timings::~frame_timings() { glDeleteQueries(render_pass_count, queries_.data()); }

void frame_timings::frame_begun()
{
    issued_.fill(false);
    timing_passes_ = (frames_seen_ - warm_up_) % 2 != 0;
    frame_start_ = std::chrono::steady_clock::now();
}

void frame_timings::frame_ended()
{
    glFinish();
    const std::chrono::duration<double, std::milli> wall = std::chrono::steady_clock::now() - frame_start_;
    const bool counted = frames_seen_++ >= warm_up_;
    if (!timing_passes_) {
        if (counted) {
            frame_ms_.push_back(wall.count());
        }
        return;
    }
    for (std::size_t i = 0; i < queries_.size(); ++i) {
        if (!issued_[i]) {
            continue;
        }
        // Read even in warm-up frames, so that no result is left pending into the next frame.
        GLuint64 nanoseconds = 0;
        glGetQueryObjectui64v(queries_[i], GL_QUERY_RESULT, &nanoseconds);
        if (counted) {
            pass_ms_[i].push_back(static_cast<double>(nanoseconds) * 1e-6);
        }
    }
}

void frame_timings::frame_recorded(double dt)
{
    if (frames_seen_ >= warm_up_) {
        recorded_ms_.push_back(dt * 1000.0);
    }
}

void frame_timings::pass_begun(render_pass pass)
{
    if (timing_passes_) {
        glBeginQuery(GL_TIME_ELAPSED, queries_[index_of(pass)]);
    }
}

void frame_timings::pass_ended(render_pass pass)
{
    if (timing_passes_) {
        glEndQuery(GL_TIME_ELAPSED);
        issued_[index_of(pass)] = true;
    }
}

void frame_timings::report(std::ostream& out, int width, int height) const
{
    out << "warm-up: the first " << warm_up_ << " frames are not counted\n";
    for (int i = 0; i < render_pass_count; ++i) {
        const std::vector<double>& times = pass_ms_[static_cast<std::size_t>(i)];
        if (!times.empty()) {
            out << "pass " << name_of(static_cast<render_pass>(i)) << ": "
                << format("median %.2f ms", median(times)) << '\n';
        }
    }
    const auto frames = [&](const char* label, const std::vector<double>& times) {
        out << label << ' ' << width << 'x' << height << ": "
            << format("median %.1f ms, p95 %.1f ms", median(times), percentile(times, 95.0)) << " over "
            << times.size() << " frames\n";
    };
    frames("frame", frame_ms_);
    if (!recorded_ms_.empty()) {
        frames("recorded", recorded_ms_);
    }
}

} // namespace snapshot
