#pragma once

struct GLFWwindow;

namespace kalvanor {

namespace mouse_button {
constexpr int left = 0;
constexpr int right = 1;
} // namespace mouse_button

// Thin, freely copied view of the window's mouse and client size.
class mouse {
public:
    explicit mouse(GLFWwindow* window) : window_(window) {}

    // Normal cursor over the window, or hidden while it is over the window.
    void set_cursor_visible(bool visible) const;

    // Pixels from the client area's top-left corner.
    void cursor_position(double& x, double& y) const;
    // A GLFW mouse button number (see mouse_button).
    bool is_button_pressed(int button) const;
    void window_size(int& width, int& height) const;

private:
    GLFWwindow* window_; // not owned
};

} // namespace kalvanor
