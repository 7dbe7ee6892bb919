#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

#include "scene/debug_status.hpp"

namespace {

// The keys down in one frame by their numbers: "13" is F1 and F3.
debug_keys down(const std::string& keys)
{
    const auto has = [&keys](char k) { return keys.find(k) != std::string::npos; };
    return {has('1'), has('3'), has('4'), has('5'), has('8'), has('9')};
}

// Debug mode, wireframe, linear sampling, mipmaps, linear mipmaps, culling, transparency; '-' off.
std::string state(const debug_status& s)
{
    const render_settings& r = s.render_settings;
    return {s.debug ? 'D' : '-', r.wireframe ? 'W' : '-', r.linear_sampling ? 'L' : '-', r.mipmaps ? 'M' : '-',
            r.linear_mipmaps ? 'm' : '-', r.culling ? 'C' : '-', r.transparency ? 'T' : '-'};
}

TEST(debug_status, keys_act_once_as_they_go_down_and_f3_to_f9_only_in_debug_mode)
{
    const std::pair<const char*, const char*> frames[] = {
        {"4", "--LMmCT"},  // outside debug mode: ignored
        {"14", "D-LMmCT"}, // F4 was already down as debug mode began: it waits for a new press
        {"", "D-LMmCT"}, {"4", "D--MmCT"},
        {"34", "DW-MmCT"}, {"34", "DW-MmCT"}, // held: acts once
        {"5", "DW---CT"}, {"", "DW---CT"}, {"5", "DW-M-CT"}, {"", "DW-M-CT"}, {"5", "DW-MmCT"}, // F5 cycles
        {"89", "DW-Mm--"},
        {"13", "-W-Mm--"}, // debug mode ends first, so F3 is ignored; the settings stay
        {"89", "-W-Mm--"}, {"", "-W-Mm--"},
        {"13", "D--Mm--"}, // debug mode begins first, so F3 acts in the same frame
    };
    debug_status status;
    for (const auto& [keys, expected] : frames) {
        status.update(down(keys), 0.016);
        EXPECT_EQ(state(status), expected) << "after " << keys;
    }
}

// The title up to F3 and its form outside debug mode are the end-to-end tests' patterns; what
// F4 to F9 show, only this. The title is rebuilt only when what it shows changes, so each key is
// pressed on its own, with frame time, FPS and counters unchanged: the title must follow it, and
// nothing else in it may change.
TEST(debug_status, the_title_follows_each_of_f3_to_f9_pressed_on_its_own)
{
    debug_status status;
    status.update(down("1"), 0.016);
    const std::string& title = status.title();
    EXPECT_EQ(title.substr(title.find(" | [F3]")), " | [F3] solid | [F4] linear sampling | [F5] linear mipmapping"
                                                   " | [F8] culling enabled | [F9] transparency");
    const std::tuple<const char*, const char*, const char*> presses[] = {
        {"3", "[F3] solid", "[F3] wireframe"},
        {"3", "[F3] wireframe", "[F3] solid"},
        {"4", "[F4] linear sampling", "[F4] nearest sampling"},
        {"4", "[F4] nearest sampling", "[F4] linear sampling"},
        {"5", "[F5] linear mipmapping", "[F5] no mipmaps"},
        {"5", "[F5] no mipmaps", "[F5] nearest mipmapping"},
        {"5", "[F5] nearest mipmapping", "[F5] linear mipmapping"},
        {"8", "[F8] culling enabled", "[F8] culling disabled"},
        {"8", "[F8] culling disabled", "[F8] culling enabled"},
        {"9", "[F9] transparency", "[F9] no transparency"},
        {"9", "[F9] no transparency", "[F9] transparency"},
    };
    for (const auto& [key, from, to] : presses) {
        std::string expected = status.title(); // built now, so a stale one would show below
        const std::size_t at = expected.find(from);
        ASSERT_NE(at, std::string::npos) << expected;
        expected.replace(at, std::string(from).size(), to);
        status.update(down(key), 0.016);
        EXPECT_EQ(status.title(), expected) << "F" << key << " pressed alone";
        status.update(down(""), 0.016);
        EXPECT_EQ(status.title(), expected) << "F" << key << " released";
    }
}

TEST(debug_status, frame_time_is_cut_to_whole_milliseconds_and_fps_averaged_over_whole_periods)
{
    debug_status status;
    for (int frame = 0; frame < 9; ++frame) {
        status.update(down(""), 0.1);
    }
    EXPECT_EQ(status.fps.to_string(), "0.0"); // not a full second yet
    status.update(down(""), 0.125);           // 10 frames in 1.025 s complete the period
    EXPECT_NEAR(status.fps.fps, 10 / 1.025, 1e-9);
    EXPECT_EQ(status.fps.to_string(), "9.7"); // 9.756..., cut not rounded
    EXPECT_EQ(status.frame_ms, 125);
    // A single long frame completes a period of its own: the count began afresh.
    status.update(down(""), 1.9999);
    EXPECT_EQ(status.frame_ms, 1999);
    EXPECT_DOUBLE_EQ(status.fps.fps, 1 / 1.9999);
    status.update(down(""), 0.0169);
    EXPECT_EQ(status.frame_ms, 16);
    for (const auto& [fps, text] : {std::pair{59.97, "59.9"}, {1234.5, "1234.5"}, {0.0, "0.0"}}) {
        status.fps.fps = fps;
        EXPECT_EQ(status.fps.to_string(), text);
    }
}

} // namespace
