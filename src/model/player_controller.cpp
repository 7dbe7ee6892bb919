#include "model/player_controller.hpp"

#include "model/player_rules.hpp"
#include "model/world.hpp"

player_controller::player_controller(GLFWwindow* window) : mouse_(window), keyboard_(window) {}

void player_controller::update(float dt)
{
    player_input input;
    input.forward = keyboard_.is_pressed(kalvanor::key::w);
    input.back = keyboard_.is_pressed(kalvanor::key::s);
    input.left = keyboard_.is_pressed(kalvanor::key::a);
    input.right = keyboard_.is_pressed(kalvanor::key::d);
    input.fire = mouse_.is_button_pressed(kalvanor::mouse_button::left);
    mouse_.cursor_position(input.cursor_x, input.cursor_y);
    mouse_.window_size(input.window_width, input.window_height);
    update_player(world::instance(), input, dt);
}
