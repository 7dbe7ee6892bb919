#include "input/keyboard.hpp"

#include <GLFW/glfw3.h>

#include "input/sticky_input.hpp"

namespace kalvanor {

static_assert(key::a == GLFW_KEY_A && key::d == GLFW_KEY_D && key::s == GLFW_KEY_S && key::w == GLFW_KEY_W);
static_assert(key::escape == GLFW_KEY_ESCAPE);
static_assert(key::f1 == GLFW_KEY_F1 && key::f3 == GLFW_KEY_F3 && key::f4 == GLFW_KEY_F4 &&
              key::f5 == GLFW_KEY_F5 && key::f8 == GLFW_KEY_F8 && key::f9 == GLFW_KEY_F9);

bool keyboard::is_pressed(int key) const { return read_key(window_, key); }

} // namespace kalvanor
