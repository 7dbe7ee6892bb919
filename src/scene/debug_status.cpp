#include "scene/debug_status.hpp"

#include <cstdio>

#include "input/keyboard.hpp"

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

void debug_status::update(const kalvanor::keyboard& keyboard, double dt)
{
    namespace key = kalvanor::key;
    debug_keys keys;
    keys.f1 = keyboard.is_pressed(key::f1);
    keys.f3 = keyboard.is_pressed(key::f3);
    keys.f4 = keyboard.is_pressed(key::f4);
    keys.f5 = keyboard.is_pressed(key::f5);
    keys.f8 = keyboard.is_pressed(key::f8);
    keys.f9 = keyboard.is_pressed(key::f9);
    update(keys, dt);
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

std::string debug_status::title() const
{
    if (!debug) {
        return "Kalvanor | [F1] debug";
    }
    const ::render_settings& s = render_settings;
    const char* mipmapping = s.linear_mipmaps ? "linear mipmapping" : s.mipmaps ? "nearest mipmapping" : "no mipmaps";
    return std::string("Kalvanor") + " | [F1] stop debugging" + " | FPS: " + fps.to_string() + " | " +
           std::to_string(frame_ms) + "ms" + " | meshes: " + std::to_string(draw_counters.meshes_drawn) +
           " | triangles: " + std::to_string(draw_counters.triangles_drawn) + " | [F3] " +
           (s.wireframe ? "wireframe" : "solid") + " | [F4] " +
           (s.linear_sampling ? "linear sampling" : "nearest sampling") + " | [F5] " + mipmapping + " | [F8] " +
           (s.culling ? "culling enabled" : "culling disabled") + " | [F9] " +
           (s.transparency ? "transparency" : "no transparency");
}
