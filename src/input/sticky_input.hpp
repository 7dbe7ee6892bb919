#pragma once

struct GLFWwindow;

namespace kalvanor {

// A key or mouse button pressed and released between two reads still reads as down once, at the
// next read, as GLFW's sticky input modes give it; a held one reads as down. The desktop asks
// GLFW for it (sticky_input_desktop.cpp); a browser's GLFW lacks the modes, so there the presses
// are caught as they come (sticky_input_web.cpp).
void make_input_sticky(GLFWwindow* window);

// GLFW key and mouse-button numbers; a press caught since the last read counts once.
bool read_key(GLFWwindow* window, int key);
bool read_mouse_button(GLFWwindow* window, int button);

} // namespace kalvanor
