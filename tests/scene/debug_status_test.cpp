#include <gtest/gtest.h>

#include <utility>

#include "scene/debug_status.hpp"

namespace {

debug_keys keys(bool f1, bool f3 = false, bool f4 = false, bool f5 = false, bool f8 = false, bool f9 = false)
{
    return debug_keys{f1, f3, f4, f5, f8, f9};
}

const debug_keys none;

// Presses and releases one key set in two frames.
void tap(debug_status& status, const debug_keys& down)
{
    status.update(down, 0.016);
    status.update(none, 0.016);
}

TEST(debug_status, a_held_key_acts_once)
{
    debug_status status;
    tap(status, keys(true));
    ASSERT_TRUE(status.debug);
    for (int frame = 0; frame < 5; ++frame) {
        status.update(keys(false, true), 0.016);
    }
    EXPECT_TRUE(status.render_settings.wireframe);
    status.update(none, 0.016);
    status.update(keys(false, true), 0.016);
    EXPECT_FALSE(status.render_settings.wireframe);
}

TEST(debug_status, f1_and_f3_in_one_frame)
{
    debug_status status;
    // Off: debug switches on first, so F3 acts in the same update.
    status.update(keys(true, true), 0.016);
    EXPECT_TRUE(status.debug);
    EXPECT_TRUE(status.render_settings.wireframe);
    status.update(none, 0.016);
    // On: debug switches off first, so F3 does nothing.
    status.update(keys(true, true), 0.016);
    EXPECT_FALSE(status.debug);
    EXPECT_TRUE(status.render_settings.wireframe);
}

TEST(debug_status, keys_held_while_debug_switches_on_wait_for_a_new_press)
{
    debug_status status;
    status.update(keys(false, false, true), 0.016); // F4 down outside debug mode: ignored
    status.update(keys(true, false, true), 0.016);  // F1 goes down, F4 still held
    EXPECT_TRUE(status.debug);
    EXPECT_TRUE(status.render_settings.linear_sampling);
    status.update(none, 0.016);
    status.update(keys(false, false, true), 0.016);
    EXPECT_FALSE(status.render_settings.linear_sampling);
}

TEST(debug_status, settings_outlive_debug_mode)
{
    debug_status status;
    tap(status, keys(true));
    tap(status, keys(false, false, false, false, true, true)); // F8 and F9
    tap(status, keys(true));
    EXPECT_FALSE(status.debug);
    EXPECT_FALSE(status.render_settings.culling);
    EXPECT_FALSE(status.render_settings.transparency);
    tap(status, keys(false, false, false, false, true, true)); // ignored outside debug mode
    EXPECT_FALSE(status.render_settings.culling);
}

TEST(debug_status, f5_cycles_through_the_three_mipmap_states)
{
    debug_status status;
    tap(status, keys(true));
    const auto f5 = keys(false, false, false, true);
    const auto mipmapping = [&status] { return status.title().substr(status.title().find("[F5]")); };
    EXPECT_EQ(mipmapping().substr(0, 22), "[F5] linear mipmapping");
    tap(status, f5);
    EXPECT_FALSE(status.render_settings.mipmaps);
    EXPECT_FALSE(status.render_settings.linear_mipmaps);
    EXPECT_EQ(mipmapping().substr(0, 15), "[F5] no mipmaps");
    tap(status, f5);
    EXPECT_TRUE(status.render_settings.mipmaps);
    EXPECT_FALSE(status.render_settings.linear_mipmaps);
    EXPECT_EQ(mipmapping().substr(0, 23), "[F5] nearest mipmapping");
    tap(status, f5);
    EXPECT_TRUE(status.render_settings.mipmaps);
    EXPECT_TRUE(status.render_settings.linear_mipmaps);
}

TEST(debug_status, frame_time_is_truncated_to_whole_milliseconds)
{
    debug_status status;
    status.update(none, 0.9999);
    EXPECT_EQ(status.frame_ms, 999);
    status.update(none, 0.0169);
    EXPECT_EQ(status.frame_ms, 16);
}

TEST(debug_status, fps_is_the_average_over_each_completed_period)
{
    debug_status status;
    for (int frame = 0; frame < 9; ++frame) {
        status.update(none, 0.1);
    }
    EXPECT_EQ(status.fps.to_string(), "0.0"); // not a full second yet
    status.update(none, 0.125);               // 10 frames in 1.025 s completes the period
    EXPECT_NEAR(status.fps.fps, 10 / 1.025, 1e-9);
    EXPECT_EQ(status.fps.to_string(), "9.7"); // 9.756..., cut not rounded
    EXPECT_EQ(status.fps.frames, 0);
    EXPECT_EQ(status.fps.elapsed, 0.0);

    // A single long frame completes a period on its own.
    status.update(none, 2.0);
    EXPECT_EQ(status.frame_ms, 2000);
    EXPECT_DOUBLE_EQ(status.fps.fps, 0.5);

    for (const auto& [fps, text] : {std::pair{59.97, "59.9"}, {1234.5, "1234.5"}, {0.0, "0.0"}}) {
        status.fps.fps = fps;
        EXPECT_EQ(status.fps.to_string(), text);
    }
}

TEST(debug_status, the_title_lists_everything_in_order)
{
    debug_status status;
    EXPECT_EQ(status.title(), "Kalvanor | [F1] debug");
    tap(status, keys(true));
    status.draw_counters.meshes_drawn = 42;
    status.draw_counters.triangles_drawn = -3;
    status.fps.fps = 60.04;
    status.update(none, 0.016);
    EXPECT_EQ(status.title(),
              "Kalvanor | [F1] stop debugging | FPS: 60.0 | 16ms | meshes: 42 | triangles: -3 | [F3] solid"
              " | [F4] linear sampling | [F5] linear mipmapping | [F8] culling enabled | [F9] transparency");
    tap(status, keys(false, true, true, true, true, true));
    EXPECT_EQ(status.title().substr(status.title().find("[F3]")),
              "[F3] wireframe | [F4] nearest sampling | [F5] no mipmaps | [F8] culling disabled"
              " | [F9] no transparency");
}

} // namespace
