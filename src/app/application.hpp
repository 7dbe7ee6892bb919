#pragma once

#include <string>

#include "app/window_settings.hpp"

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

    // Polls, measures dt, updates and swaps until the window is asked to close or the game's
    // update returns false (the buffers are swapped once more after that).
    void run(game& game);

    // The title bar text; the window server hears of it only when it changed.
    void set_title(const std::string& title);

    GLFWwindow* window() const { return window_; }
    // The drawable area in pixels: the window size, or more on high-density displays.
    void framebuffer_size(int& width, int& height) const;

private:
    GLFWwindow* window_ = nullptr; // owned
    window_settings settings_;
};

} // namespace kalvanor
