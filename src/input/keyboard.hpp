#pragma once

struct GLFWwindow;

namespace kalvanor {

// GLFW key codes the game reacts to, named here so that rule code needs no GLFW header.
namespace key {
constexpr int a = 65;
constexpr int d = 68;
constexpr int s = 83;
constexpr int w = 87;
constexpr int escape = 256;
constexpr int f1 = 290;
constexpr int f3 = 292;
constexpr int f4 = 293;
constexpr int f5 = 294;
constexpr int f8 = 297;
constexpr int f9 = 298;
} // namespace key

// Thin, freely copied view of the window's keyboard.
class keyboard {
public:
    explicit keyboard(GLFWwindow* window) : window_(window) {}

    // True exactly when GLFW reports the key (a GLFW key code) as pressed.
    bool is_pressed(int key) const;

private:
    GLFWwindow* window_; // not owned
};

} // namespace kalvanor
