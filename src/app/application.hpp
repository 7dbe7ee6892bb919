#pragma once

#include <string>

#include "app/window_settings.hpp"

struct GLFWmonitor;
struct GLFWwindow;

namespace kalvanor {

class game;

// The one window with its OpenGL context, and the frame loop that drives the game.
class application {
public:
    // Opens the window and makes its context current. Throws std::runtime_error
    // "Failed initializing GLFW." or "Failed creating a window.".
    explicit application(window_settings settings);
    ~application();
    application(const application&) = delete;
    application& operator=(const application&) = delete;

    // Runs frames (see step) until the window is asked to close or the game's update returns
    // false. On the desktop it returns then; in a browser it hands the frames to the page's
    // animation loop and never returns (see application_web.cpp).
    void run(game& game);

    // The title bar text; the window server hears of it only when it changed.
    void set_title(const std::string& title);

    GLFWwindow* window() const { return window_; }
    // The drawable area in pixels: the window size, or more on high-density displays.
    void framebuffer_size(int& width, int& height) const;

private:
    // One frame: polls, measures dt, updates and swaps (the buffers are swapped after the update
    // that returns false too). Returns the update's answer.
    bool step(game& game);
    // fullscreen=yes: the monitor to cover and its size, or null to open a window of the size
    // given (a browser goes full screen only from a click).
    GLFWmonitor* full_screen(int& width, int& height);

    GLFWwindow* window_ = nullptr; // owned
    window_settings settings_;
    double previous_time_ = 0.0;
};

} // namespace kalvanor
