#include "view/camera.hpp"

#include <algorithm>
#include <cmath>

#include "model/angles.hpp"
#include "model/world.hpp"

namespace view {

camera::camera(float width, float height) : projection_(draw::perspective_fov(60.0f, width, height, 1.0f, 50.0f)) {}

vec3 camera::direction() const { return glm::normalize(target_ - eye_position()); }

void camera::follow(const world& w)
{
    target_ = w.player.position;
    const float d = std::max(w.camera_orbit.distance, 0.1f);
    // yaw grows without bound while dragging; reduce it by whole turns (radians) so that the eye
    // and the player's aim, which uses the same yaw, stay in step.
    const float a = std::fmod(w.camera_orbit.yaw, model::two_pi) - model::half_pi;
    constexpr double elevation = 0.9948376417160034; // 57 degrees from the vertical
    const float horizontal = static_cast<float>(std::sin(elevation)) * d;
    eye_ = vec3(target_.x + std::cos(a) * horizontal, target_.y + std::sin(a) * horizontal,
                target_.z + static_cast<float>(std::cos(elevation)) * d);
    view_ = draw::look_at(eye_, target_, vec3(0.0f, 0.0f, 1.0f));
}

} // namespace view
