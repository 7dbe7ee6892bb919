#include "scene/debug_status.hpp"

#include <cstdio>

#include "input/frame_input.hpp"

std::string fps_counter::to_string() const
{
    // Fixed notation with six decimals, then everything up to the first decimal.
    char text[512];
    std::snprintf(text, sizeof text, "%f", fps);
    std::string result(text);
    const std::size_t point = result.find('.');
    if (point != std::string::npos && point + 2 <= result.size()) {
        result.resize(point + 2);
    }
    return result;
}

void debug_status::update(const frame_input& in, double dt)
{
    update(debug_keys{in.f1, in.f3, in.f4, in.f5, in.f8, in.f9}, dt);
}

void debug_status::update(const debug_keys& keys, double dt)
{
    fps.elapsed += dt;
    fps.frames += 1;
    if (!(fps.elapsed < fps.period)) {
        fps.fps = fps.frames / fps.elapsed;
        fps.frames = 0;
        fps.elapsed = 0.0;
    }

    // Truncated toward zero; a frame longer than the counter can hold (only ever seen with a
    // stopped clock) saturates instead of overflowing.
    const double ms = dt * 1000.0;
    frame_ms = ms >= 2147483647.0 ? 2147483647 : ms <= -2147483648.0 ? -2147483647 - 1 : static_cast<std::int32_t>(ms);

    const auto went_down = [](bool now, bool before) { return now && !before; };
    if (went_down(keys.f1, previous_.f1)) {
        debug = !debug;
    }
    if (debug) {
        ::render_settings& s = render_settings;
        if (went_down(keys.f3, previous_.f3)) {
            s.wireframe = !s.wireframe;
        }
        if (went_down(keys.f4, previous_.f4)) {
            s.linear_sampling = !s.linear_sampling;
        }
        if (went_down(keys.f5, previous_.f5)) {
            if (s.linear_mipmaps) {
                s.mipmaps = false;
                s.linear_mipmaps = false;
            } else if (s.mipmaps) {
                s.linear_mipmaps = true;
            } else {
                s.mipmaps = true;
            }
        }
        if (went_down(keys.f8, previous_.f8)) {
            s.culling = !s.culling;
        }
        if (went_down(keys.f9, previous_.f9)) {
            s.transparency = !s.transparency;
        }
    }
    previous_ = keys;
}

debug_status::shown debug_status::now() const
{
    return {debug, fps.fps, frame_ms, draw_counters.meshes_drawn, draw_counters.triangles_drawn, render_settings};
}

bool debug_status::same(const shown& a, const shown& b)
{
    const ::render_settings& s = a.settings;
    const ::render_settings& t = b.settings;
    return a.debug == b.debug && a.fps == b.fps && a.frame_ms == b.frame_ms && a.meshes == b.meshes &&
           a.triangles == b.triangles && s.wireframe == t.wireframe && s.culling == t.culling &&
           s.transparency == t.transparency && s.linear_sampling == t.linear_sampling && s.mipmaps == t.mipmaps &&
           s.linear_mipmaps == t.linear_mipmaps;
}

const std::string& debug_status::title() const
{
    const shown current = now();
    if (built_ && same(current, shown_)) {
        return title_;
    }
    built_ = true;
    shown_ = current;
    std::string& t = title_;
    t.clear();
    if (!debug) {
        t += "Kalvanor | [F1] debug";
        return t;
    }
    const ::render_settings& s = render_settings;
    const char* mipmapping = s.linear_mipmaps ? "linear mipmapping" : s.mipmaps ? "nearest mipmapping" : "no mipmaps";
    char number[16];
    const auto append_int = [&t, &number](std::int32_t value) {
        std::snprintf(number, sizeof number, "%d", value);
        t += number;
    };
    t += "Kalvanor | [F1] stop debugging | FPS: ";
    t += fps.to_string();
    t += " | ";
    append_int(frame_ms);
    t += "ms | meshes: ";
    append_int(draw_counters.meshes_drawn);
    t += " | triangles: ";
    append_int(draw_counters.triangles_drawn);
    t += " | [F3] ";
    t += s.wireframe ? "wireframe" : "solid";
    t += " | [F4] ";
    t += s.linear_sampling ? "linear sampling" : "nearest sampling";
    t += " | [F5] ";
    t += mipmapping;
    t += " | [F8] ";
    t += s.culling ? "culling enabled" : "culling disabled";
    t += " | [F9] ";
    t += s.transparency ? "transparency" : "no transparency";
    return t;
}
