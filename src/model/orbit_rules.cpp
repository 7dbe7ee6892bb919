#include "model/orbit_rules.hpp"

#include <algorithm>
#include <cmath>

#include "model/world.hpp"

void update_orbit(world& w, orbit_drag& drag, const orbit_input& input, float dt)
{
    camera_orbit& orbit = w.camera_orbit;
    if (input.turn != 0.0f) {
        orbit.yaw += input.turn * orbit.max_yaw_speed * dt;
    }
    const int x = static_cast<int>(std::floor(input.cursor_x));
    if (!input.dragging_button) {
        drag.dragging = false;
        drag.last_x = x;
        return;
    }
    if (!drag.dragging) {
        // The frame that sees the button go down only anchors the drag.
        drag.dragging = true;
        drag.last_x = x;
        return;
    }
    const int dx = x - drag.last_x;
    const double delta = std::fmod(dx * 0.0078125 * dt, 6.2831854820251465);
    const double limit = orbit.max_yaw_speed * dt;
    orbit.yaw = static_cast<float>(orbit.yaw + std::clamp(delta, -limit, limit));
}
