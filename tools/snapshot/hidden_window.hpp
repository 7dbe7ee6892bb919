#pragma once

struct GLFWwindow;

namespace snapshot {

// A window that is never shown, whose default framebuffer the renderer draws into: its OpenGL
// context is current from construction to destruction, when the context that was current before
// (if any) becomes current again. Created like the game's window, without context version hints,
// so the pictures come from the same kind of context the player gets.
class hidden_window {
public:
    // width, height in pixels. Initialises GLFW when nobody has yet; never terminates it, as
    // another window of the process may still use it. Throws std::runtime_error "Failed
    // initializing GLFW.", "Failed creating a window." or, when the drawable area does not come
    // out at the size asked for, "The window's framebuffer is WxH, not WxH.".
    hidden_window(int width, int height);
    ~hidden_window();
    hidden_window(const hidden_window&) = delete;
    hidden_window& operator=(const hidden_window&) = delete;

private:
    GLFWwindow* window_ = nullptr;
    GLFWwindow* previous_ = nullptr;
};

} // namespace snapshot
