#include "model/camera_controller.hpp"

#include "model/world.hpp"

camera_controller::camera_controller(GLFWwindow* window) : mouse_(window) {}

void camera_controller::update(float dt)
{
    orbit_input input;
    input.dragging_button = mouse_.is_button_pressed(kalvanor::mouse_button::right);
    double unused_y = 0.0; // only horizontal motion turns the orbit
    mouse_.cursor_position(input.cursor_x, unused_y);
    update_orbit(world::instance(), drag_, input, dt);
}
